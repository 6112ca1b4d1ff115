// The Win32 console calls behind the editor's seam: the wide forms with the cells and keys converted
// from and to the ANSI code page, or the byte forms where its characters take more than one byte.
#include "platform/WindowsConsole.h"

#include <algorithm>

#include "platform/CodePage.h"

WindowsConsole::WindowsConsole(HANDLE input, HANDLE output)
    : input_(input), output_(output), characters_(SingleByteAnsiCharacters()) {}

bool WindowsConsole::ReadInput(INPUT_RECORD& event) {
    DWORD count = 0;
    if (!characters_)
        return ReadConsoleInputA(input_, &event, 1, &count) && count == 1;
    if (!ReadConsoleInputW(input_, &event, 1, &count) || count != 1)
        return false;
    if (event.EventType == KEY_EVENT) {
        WCHAR& character = event.Event.KeyEvent.uChar.UnicodeChar;
        character = static_cast<unsigned char>(AnsiByte(character).value_or('\0'));
    }
    return true;
}

std::optional<ScreenInfo> WindowsConsole::QueryScreen() {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output_, &info))
        return std::nullopt;
    return ScreenInfo{info.srWindow, info.wAttributes, info.dwCursorPosition, info.dwSize};
}

void WindowsConsole::ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) {
    if (!characters_) {
        ReadConsoleOutputA(output_, cells, size, COORD{0, 0}, &region);
        return;
    }
    if (!ReadConsoleOutputW(output_, cells, size, COORD{0, 0}, &region))
        return;
    // The call narrows the region to what it read; the buffer's other cells are left as they were.
    const int rows = std::min<int>(region.Bottom - region.Top + 1, size.Y);
    const int columns = std::min<int>(region.Right - region.Left + 1, size.X);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < columns; ++x) {
            // A character the code page lacks (a box line a program left on the prompt's row) keeps
            // its own value, which no byte has, so that a redraw shows it again; below 0x100 it could
            // pass for a byte, and becomes "?", as the byte calls show it.
            WCHAR& character = cells[y * size.X + x].Char.UnicodeChar;
            if (const std::optional<char> byte = AnsiByte(character))
                character = static_cast<unsigned char>(*byte);
            else if (character <= 0xFF)
                character = '?';
        }
    }
}

void WindowsConsole::WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) {
    if (!characters_) {
        WriteConsoleOutputA(output_, cells, size, COORD{0, 0}, &region);
        return;
    }
    wideCells_.assign(cells, cells + size.X * size.Y);
    for (CHAR_INFO& cell : wideCells_) {
        if (cell.Char.UnicodeChar <= 0xFF)
            cell.Char.UnicodeChar = Character(cell.Char.AsciiChar);
    }
    WriteConsoleOutputW(output_, wideCells_.data(), size, COORD{0, 0}, &region);
}

void WindowsConsole::Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) {
    if (!characters_) {
        ScrollConsoleScreenBufferA(output_, &rectangle, nullptr, destination, &fill);
        return;
    }
    fill.Char.UnicodeChar = Character(fill.Char.AsciiChar);
    ScrollConsoleScreenBufferW(output_, &rectangle, nullptr, destination, &fill);
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

WCHAR WindowsConsole::Character(char byte) const {
    return (*characters_)[static_cast<unsigned char>(byte)];
}

std::optional<char> WindowsConsole::AnsiByte(WCHAR character) const {
    const auto found = std::find(characters_->begin(), characters_->end(), character);
    if (found == characters_->end())
        return std::nullopt;
    return static_cast<char>(found - characters_->begin());
}
