// Running a command line. The shell knows one command so far, exit; every other first word is
// reported as not recognised.
#include "command/RunCommandLine.h"

#include "core/ExitRequest.h"
#include "platform/Handles.h"
#include "platform/Output.h"

namespace {

// Blanks, tabs and "=" separate words.
constexpr const char* kDelimiters = " \t=";

std::string FirstWord(const std::string& text) {
    const std::size_t start = text.find_first_not_of(kDelimiters);
    if (start == std::string::npos)
        return {};
    return text.substr(start, text.find_first_of(kDelimiters, start) - start);
}

void WriteNotRecognized(HANDLE error, const std::string& name) {
    WriteText(error, "'");
    WriteString(error, name);
    WriteText(error, "' is not recognized as an internal or external command,");
    WriteNewline(error);
    WriteText(error, "operable program or batch file.");
    WriteNewline(error);
}

}  // namespace

void RunCommandLine(HANDLE /*input*/, HANDLE /*output*/, HANDLE error, const std::string& line) {
    // A line is text up to its first zero byte.
    const std::string word = FirstWord(line.substr(0, line.find('\0')));
    if (word == "exit")
        RequestExit();
    else
        WriteNotRecognized(error, word);
    WriteNewline(ShellStdOut);
}
