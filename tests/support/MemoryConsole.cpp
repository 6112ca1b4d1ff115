// The in-memory console: block transfers clipped as the real console clips them.
#include "support/MemoryConsole.h"

void PrintTo(const Screen& screen, std::ostream* out) {
    for (const std::string& row : screen.rows)
        *out << "\n|" << row << "|";
    *out << "\ncursor (" << screen.x << ", " << screen.y << ")";
}

MemoryConsole::MemoryConsole(SHORT width, SHORT height)
    : bufferSize{width, height}, window{0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)} {
    cells.assign(width * height, Blank());
}

void MemoryConsole::Print(std::string_view text) {
    for (char character : text) {
        At(cursor.X, cursor.Y).Char.AsciiChar = character;
        ++cursor.X;
    }
}

void MemoryConsole::Type(std::string_view script) {
    for (const INPUT_RECORD& event : KeyEvents(script))
        Queue(event);
}

Screen MemoryConsole::Shot() const {
    return Rows(window.Top, window.Bottom, cursor.Y - window.Top);
}

Screen MemoryConsole::BufferShot() const {
    return Rows(0, static_cast<SHORT>(bufferSize.Y - 1), cursor.Y);
}

Screen MemoryConsole::Rows(SHORT top, SHORT bottom, int cursorRow) const {
    Screen screen{{}, cursor.X - window.Left, cursorRow};
    for (int y = top; y <= bottom; ++y) {
        std::string& row = screen.rows.emplace_back();
        for (int x = window.Left; x <= window.Right; ++x)
            row += cells[y * bufferSize.X + x].Char.AsciiChar;
    }
    return screen;
}

bool MemoryConsole::ReadInput(INPUT_RECORD& event) {
    if (input.empty())
        return false;
    event = input.front();
    input.pop_front();
    return true;
}

std::optional<ScreenInfo> MemoryConsole::QueryScreen() {
    if (queryFails)
        return std::nullopt;
    return ScreenInfo{window, attribute, cursor, bufferSize};
}

void MemoryConsole::SetCursor(COORD position) {
    if (!Inside(position.X, position.Y))
        return;
    cursor = position;
    // The window moves just far enough to show the cursor, as the real console's does.
    const auto follow = [](SHORT at, SHORT& low, SHORT& high) {
        const int shift = at < low ? at - low : at > high ? at - high : 0;
        low = static_cast<SHORT>(low + shift);
        high = static_cast<SHORT>(high + shift);
    };
    follow(position.X, window.Left, window.Right);
    follow(position.Y, window.Top, window.Bottom);
}

void MemoryConsole::ReadCells(CHAR_INFO* buffer, COORD size, SMALL_RECT region) {
    for (int row = 0; row < size.Y && region.Top + row <= region.Bottom; ++row)
        for (int column = 0; column < size.X && region.Left + column <= region.Right; ++column)
            if (Inside(region.Left + column, region.Top + row))
                buffer[row * size.X + column] = At(region.Left + column, region.Top + row);
}

void MemoryConsole::WriteCells(const CHAR_INFO* buffer, COORD size, SMALL_RECT region) {
    for (int row = 0; row < size.Y && region.Top + row <= region.Bottom; ++row)
        for (int column = 0; column < size.X && region.Left + column <= region.Right; ++column)
            if (Inside(region.Left + column, region.Top + row))
                At(region.Left + column, region.Top + row) = buffer[row * size.X + column];
}

void MemoryConsole::WriteLineFeed() {
    if (cursor.Y < bufferSize.Y - 1) {
        SetCursor(COORD{0, static_cast<SHORT>(cursor.Y + 1)});
        return;
    }
    cells.erase(cells.begin(), cells.begin() + bufferSize.X);
    cells.insert(cells.end(), bufferSize.X, Blank());
    SetCursor(COORD{0, cursor.Y});
}

CHAR_INFO MemoryConsole::Blank() const {
    CHAR_INFO blank{};
    blank.Char.AsciiChar = ' ';
    blank.Attributes = attribute;
    return blank;
}

void MemoryConsole::SetInputMode(DWORD newMode) {
    mode = newMode;
    modesSet.push_back(newMode);
}
