// The console's input mode while a line is edited.
#pragma once

#include "platform/ConsoleIo.h"

// Switches the console input to raw key events (no line input, no echo, no processed input, so
// Ctrl+C arrives as a key) for its lifetime, and then restores the user's mode, the one the shell
// found when it started: a program run from the line gets the console with echo and with Ctrl+C as
// a control event, even after an earlier program left the console raw.
class CRawInputMode {
public:
    CRawInputMode(ConsoleInput& console, std::optional<DWORD> userMode);
    ~CRawInputMode();
    CRawInputMode(const CRawInputMode&) = delete;
    CRawInputMode& operator=(const CRawInputMode&) = delete;

private:
    ConsoleInput& console_;
    std::optional<DWORD> userMode_;
};
