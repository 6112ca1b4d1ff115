// Interactive input: one line typed and edited in place at the console.
#pragma once

#include "editor/LineSource.h"
#include "platform/ConsoleIo.h"

// Reads raw console input events and edits the line on the screen until Enter. Nothing survives from
// one line to the next. The prompt must have been written and the console cursor left behind it.
class ConsoleReader : public LineSource {
public:
    explicit ConsoleReader(ConsoleIo& console) : console_(console) {}

    // The line as typed, blanks kept, no line break written; none when the console can no longer be
    // read or queried, which ends the shell as the end of script input does.
    std::optional<std::string> ReadLine() override;

private:
    ConsoleIo& console_;
};
