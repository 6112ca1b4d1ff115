// The in-memory console: block transfers clipped as the real console clips them.
#include "support/MemoryConsole.h"

#include <algorithm>

void PrintTo(const Screen& screen, std::ostream* out) {
    for (const std::string& row : screen.rows)
        *out << "\n|" << row << "|";
    *out << "\ncursor (" << screen.x << ", " << screen.y << ")";
}

MemoryConsole::MemoryConsole(SHORT width, SHORT height)
    : bufferSize{width, height}, window{0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)} {
    CHAR_INFO blank{};
    blank.Char.AsciiChar = ' ';
    blank.Attributes = attribute;
    cells.assign(width * height, blank);
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

void MemoryConsole::Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) {
    // The source is copied out first, then filled, then written at the destination: what the move
    // does not cover again keeps the fill.
    const COORD size{static_cast<SHORT>(rectangle.Right - rectangle.Left + 1),
                     static_cast<SHORT>(rectangle.Bottom - rectangle.Top + 1)};
    std::vector<CHAR_INFO> moved(std::max(size.X * size.Y, 0), fill);
    ReadCells(moved.data(), size, rectangle);
    std::vector<CHAR_INFO> fills(moved.size(), fill);
    WriteCells(fills.data(), size, rectangle);
    WriteCells(moved.data(), size,
               SMALL_RECT{destination.X, destination.Y, static_cast<SHORT>(destination.X + size.X - 1),
                          static_cast<SHORT>(destination.Y + size.Y - 1)});
}

void MemoryConsole::SetInputMode(DWORD newMode) {
    mode = newMode;
    modesSet.push_back(newMode);
}
