// The Win32 console calls behind the editor's seam (ANSI forms).
#include "platform/WindowsConsole.h"

bool WindowsConsole::ReadInput(INPUT_RECORD& event) {
    DWORD count = 0;
    return ReadConsoleInputA(input_, &event, 1, &count) && count == 1;
}

std::optional<ScreenInfo> WindowsConsole::QueryScreen() {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output_, &info))
        return std::nullopt;
    return ScreenInfo{info.srWindow, info.wAttributes, info.dwCursorPosition, info.dwSize};
}

void WindowsConsole::ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) {
    ReadConsoleOutputA(output_, cells, size, COORD{0, 0}, &region);
}

void WindowsConsole::WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) {
    WriteConsoleOutputA(output_, cells, size, COORD{0, 0}, &region);
}

void WindowsConsole::Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) {
    ScrollConsoleScreenBufferA(output_, &rectangle, nullptr, destination, &fill);
}

void WindowsConsole::SetCursor(COORD position) {
    SetConsoleCursorPosition(output_, position);
}

std::optional<DWORD> WindowsConsole::InputMode() {
    DWORD mode = 0;
    if (!GetConsoleMode(input_, &mode))
        return std::nullopt;
    return mode;
}

void WindowsConsole::SetInputMode(DWORD mode) {
    SetConsoleMode(input_, mode);
}

void WindowsConsole::Beep() {
    MessageBeep(0xFFFFFFFF);
}

void WindowsConsole::Trace(const std::string& text) {
    OutputDebugStringA(text.c_str());
}
