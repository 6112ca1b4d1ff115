// Console calls of the shell's core.
#include "platform/Console.h"

#include "platform/CodePage.h"

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return GetConsoleMode(handle, &mode) != 0;
}

void SetConsoleTitleText(const std::string& title) {
    // The byte call reads the title in the console's code page; the shell's text is ANSI.
    if (const std::optional<std::wstring> wide = ToWide(CP_ACP, 0, title))
        SetConsoleTitleW(wide->c_str());
    else
        SetConsoleTitleA(title.c_str());
}

void InstallConsoleCtrlHandler(PHANDLER_ROUTINE handler) {
    SetConsoleCtrlHandler(handler, TRUE);
}
