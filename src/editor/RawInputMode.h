// The console's input mode while a line is edited.
#pragma once

#include "platform/ConsoleIo.h"

// Switches the console input to raw key events (no line input, no echo, no processed input, so
// Ctrl+C arrives as a key) for its lifetime, and then restores the mode it found: a program run
// from the line gets the console as it was, with Ctrl+C as a control event.
class CRawInputMode {
public:
    explicit CRawInputMode(ConsoleIo& console);
    ~CRawInputMode();
    CRawInputMode(const CRawInputMode&) = delete;
    CRawInputMode& operator=(const CRawInputMode&) = delete;

private:
    ConsoleIo& console_;
    std::optional<DWORD> saved_;
};
