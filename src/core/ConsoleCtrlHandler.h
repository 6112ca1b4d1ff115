// What the shell does with console control events.
#pragma once

#include <windows.h>

// Ctrl+C writes a line end and keeps the shell running (at exit it ends the wait for a built-in's
// output that a reader never takes); every other event (Ctrl+Break, closing the console, logoff,
// shutdown) is left to the system, which ends the process.
BOOL WINAPI ConsoleCtrlHandler(DWORD event);
