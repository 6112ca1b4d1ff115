// The line end that input lines arrive with and commands are run without.
#pragma once

#include <string>

// Takes a final line feed off the text, and a carriage return just before it.
inline void DropLineEnd(std::string& line) {
    if (line.empty() || line.back() != '\n')
        return;
    line.pop_back();
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}
