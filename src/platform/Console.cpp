// Console calls of the shell's core.
#include "platform/Console.h"

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

void SetConsoleTitleText(const std::string& title) {
    SetConsoleTitleA(title.c_str());
}

void InstallConsoleCtrlHandler(PHANDLER_ROUTINE handler) {
    SetConsoleCtrlHandler(handler, TRUE);
}
