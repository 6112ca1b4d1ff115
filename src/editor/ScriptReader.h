// Script input: command lines read as text from a standard input that is not a console.
#pragma once

#include <windows.h>

#include "editor/LineSource.h"

// Reads one line at a time and never further than the line it returns, so a program that the
// script starts reads the lines that follow. Each line is written to the echo handle with "\r\n",
// so the output reads as the console would show the session.
class ScriptReader : public LineSource {
public:
    ScriptReader(HANDLE input, HANDLE echo);

    std::optional<std::string> ReadLine() override;

private:
    // Appends the bytes of the next line, its line feed included; false when no byte was left.
    bool ReadRawLine(std::string& line);

    HANDLE input_;
    HANDLE echo_;
    bool diskFile_;
};
