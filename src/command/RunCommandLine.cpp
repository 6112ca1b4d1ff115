// Running a command line. The shell knows one command of its own so far, exit; every other line
// starts the program its first word names.
#include "command/RunCommandLine.h"

#include <utility>

#include "command/Scanner.h"
#include "core/ExitRequest.h"
#include "launch/LaunchProgram.h"
#include "platform/Handles.h"
#include "platform/Output.h"
#include "platform/StageHandles.h"

void RunCommandLine(HANDLE input, HANDLE output, HANDLE error, const std::string& line) {
    // A line is text up to its first zero byte.
    const std::string command = line.substr(0, line.find('\0'));
    StageHandles handles(input, output, error);
    std::size_t cursor = 0;
    if (NextToken(command, cursor) == "exit")
        RequestExit();
    else
        LaunchProgram(std::move(handles), command, true);
    WriteNewline(ShellStdOut);
}
