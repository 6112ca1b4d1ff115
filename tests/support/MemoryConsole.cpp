// The in-memory console: block transfers clipped as the real console clips them.
#include "support/MemoryConsole.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace {

INPUT_RECORD KeyEvent(WORD virtualKey, char character, bool down) {
    INPUT_RECORD event{};
    event.EventType = KEY_EVENT;
    event.Event.KeyEvent.bKeyDown = down;
    event.Event.KeyEvent.wRepeatCount = 1;
    event.Event.KeyEvent.wVirtualKeyCode = virtualKey;
    event.Event.KeyEvent.uChar.AsciiChar = character;
    return event;
}

// Letters and digits have their own key codes; every other character comes from a key whose code
// the editor does not act on.
WORD KeyCodeOf(char character) {
    const auto byte = static_cast<unsigned char>(character);
    if (std::isalnum(byte))
        return static_cast<WORD>(std::toupper(byte));
    return byte == ' ' ? VK_SPACE : VK_OEM_1;
}

const std::map<std::string_view, std::pair<WORD, char>> kNamedKeys = {
    {"Enter", {VK_RETURN, '\r'}}, {"Left", {VK_LEFT, 0}},   {"Right", {VK_RIGHT, 0}}, {"Up", {VK_UP, 0}},
    {"Down", {VK_DOWN, 0}},       {"Home", {VK_HOME, 0}},   {"End", {VK_END, 0}},     {"Back", {VK_BACK, 8}},
    {"Del", {VK_DELETE, 0}},      {"Ins", {VK_INSERT, 0}},  {"Esc", {VK_ESCAPE, 0}},  {"F1", {VK_F1, 0}},
    {"Tab", {VK_TAB, '\t'}},      {"Shift", {VK_SHIFT, 0}}, {"CtrlC", {'C', 3}},      {"CtrlH", {'H', 8}},
    {"Accent", {'E', '\xE9'}},
};

}  // namespace

void PrintTo(const Screen& screen, std::ostream* out) {
    for (const std::string& row : screen.rows)
        *out << "\n|" << row << "|";
    *out << "\ncursor (" << screen.x << ", " << screen.y << ")";
}

std::vector<INPUT_RECORD> KeyEvents(std::string_view script) {
    std::vector<INPUT_RECORD> events;
    for (std::size_t at = 0; at < script.size(); ++at) {
        std::pair<WORD, char> key{KeyCodeOf(script[at]), script[at]};
        if (script[at] == '{') {
            const std::size_t close = script.find('}', at);
            key = kNamedKeys.at(script.substr(at + 1, close - at - 1));
            at = close;
        }
        events.push_back(KeyEvent(key.first, key.second, true));
        events.push_back(KeyEvent(key.first, key.second, false));
    }
    return events;
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
    Screen screen{{}, cursor.X - window.Left, cursor.Y - window.Top};
    for (int y = window.Top; y <= window.Bottom; ++y) {
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
    return ScreenInfo{window, attribute, cursor};
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
