// Key scripts: a line of text with named keys in braces, turned into console input events.
#include "support/KeyScript.h"

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
