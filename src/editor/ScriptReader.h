// Script input: command lines read as text from a standard input that is not a console.
#pragma once

#include <windows.h>

#include <cstdint>

#include "editor/LineSource.h"

// Reads one line at a time and never further than the line it returns, so a program that the
// script starts reads the lines that follow. Each line is written to the echo handle with "\r\n",
// so the output reads as the console would show the session. Text in the ANSI code page is taken as
// it is; a byte order mark at the start makes it UTF-8 or UTF-16 LE, each line then converted to the
// ANSI code page. Input that cannot be read so ends the script with one message on the error handle.
class ScriptReader : public LineSource {
public:
    ScriptReader(HANDLE input, HANDLE echo, HANDLE error);

    std::optional<std::string> ReadLine() override;

    int EndStatus() const override { return refused_ ? 1 : 0; }

private:
    enum class Encoding { Ansi, Utf8, Utf16 };

    // Appends the bytes of the next line, its line feed included; false when no byte was left.
    bool ReadRawLine(std::string& line);

    // Whether the bytes end in a line feed of the input's encoding.
    bool LineEnded(const std::string& line) const;

    // Takes the byte order mark off the first line and settles the encoding; false when the mark
    // names an encoding the shell cannot read.
    bool TakeByteOrderMark(std::string& line);

    // Converts the line to the ANSI code page in place; the reason it cannot be, or empty text.
    std::string ConvertToAnsi(std::string& line) const;

    // Why the converted line cannot be run because it holds a zero byte, or empty text.
    std::string ZeroByteReason(const std::string& line) const;

    // Ends the script: the prompt's line is closed and the reason reported with the line's number.
    std::nullopt_t Refuse(const std::string& reason);

    HANDLE input_;
    HANDLE echo_;
    HANDLE error_;
    bool diskFile_;
    bool peekable_ = true;
    Encoding encoding_ = Encoding::Ansi;
    std::uint32_t lineNumber_ = 0;
    bool refused_ = false;
};
