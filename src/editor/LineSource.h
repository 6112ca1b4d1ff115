// Where the main loop gets its command lines: the console, or a script on standard input.
#pragma once

#include <memory>
#include <optional>
#include <string>

class LineSource {
public:
    virtual ~LineSource() = default;

    // The next command line without its line end, blanks kept; none at the end of input.
    virtual std::optional<std::string> ReadLine() = 0;

    // The shell's exit status once no line is left: 0, or 1 when the input was refused as unreadable.
    virtual int EndStatus() const { return 0; }
};

// The console reader when standard input and output are both a console, otherwise the script reader.
std::unique_ptr<LineSource> MakeLineSource();
