// The line end that input lines arrive with and commands are run without.
#pragma once

#include <string>

// Takes a final line feed off the text, and every carriage return just before it (or at the end of
// a last line without one): an editor shows "\r\r\n" as one line end and a stray "\r" as nothing.
inline void DropLineEnd(std::string& line) {
    if (!line.empty() && line.back() == '\n')
        line.pop_back();
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
}
