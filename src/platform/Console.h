// The few console services the shell's core uses: detection, title, Ctrl+C handling.
#pragma once

#include <windows.h>

#include <string>

// True when the handle is a console input or screen buffer (a file or pipe is not, nor is the null
// device, although it is a character device).
bool IsConsole(HANDLE handle);

// Sets the console window's title to the characters of the ANSI text; a failure is ignored.
void SetConsoleTitleText(const std::string& title);

// Installs a handler for console control events; a failure is ignored.
void InstallConsoleCtrlHandler(PHANDLER_ROUTINE handler);
