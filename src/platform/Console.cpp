// Console calls of the shell's core.
#include "platform/Console.h"

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

void SetConsoleTitleText(const std::string& title) {
    SetConsoleTitleA(title.c_str());
}

std::optional<std::string> ReadConsoleLine(HANDLE input) {
    // In line-input mode a read returns at most one line; a line longer than the buffer comes in
    // several reads, the last of which ends with the line feed.
    std::string line;
    char buffer[1024];
    for (;;) {
        DWORD count = 0;
        if (!ReadConsoleA(input, buffer, sizeof buffer, &count, nullptr)) {
            if (GetLastError() == ERROR_OPERATION_ABORTED)
                return line;
            return std::nullopt;
        }
        line.append(buffer, count);
        if (count == 0 || line.back() == '\n')
            return line;
    }
}

void InstallConsoleCtrlHandler(PHANDLER_ROUTINE handler) {
    SetConsoleCtrlHandler(handler, TRUE);
}
