// Interactive input: one line typed and edited in place at the console.
#pragma once

#include "editor/LineSource.h"
#include "platform/ConsoleIo.h"

// Reads raw console input events and edits the line on the screen until Enter. Nothing survives from
// one line to the next but the user's input mode. The prompt must have been written and the console
// cursor left behind it.
class ConsoleReader : public LineSource {
public:
    // Takes the console's input mode as the user's, the mode every read restores.
    explicit ConsoleReader(ConsoleIo& console) : console_(console), userMode_(console.InputMode()) {}

    // The line as typed, blanks kept, no line break written; none when the console can no longer be
    // read or queried, which ends the shell as the end of script input does.
    std::optional<std::string> ReadLine() override;

private:
    ConsoleIo& console_;
    std::optional<DWORD> userMode_;
};
