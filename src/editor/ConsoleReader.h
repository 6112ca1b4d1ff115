// Interactive input: one line typed at the console.
#pragma once

#include <windows.h>

#include "editor/LineSource.h"

// Reads lines through the console's own line input, which echoes and edits what is typed.
class ConsoleReader : public LineSource {
public:
    explicit ConsoleReader(HANDLE input) : input_(input) {}

    std::optional<std::string> ReadLine() override;

private:
    HANDLE input_;
};
