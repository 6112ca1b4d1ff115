// The console control handler. The system calls it on a thread of its own, so it touches nothing
// but the shell's standard output and the event that ends the wait for relays at exit.
#include "core/ConsoleCtrlHandler.h"

#include "platform/Handles.h"
#include "platform/Output.h"
#include "platform/OutputRelay.h"

BOOL WINAPI ConsoleCtrlHandler(DWORD event) {
    if (event != CTRL_C_EVENT)
        return FALSE;
    WriteNewline(ShellStdOut);
    InterruptOutputRelays();
    return TRUE;
}
