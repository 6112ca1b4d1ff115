// Launching the program a command line names: search, shortcut, start, wait, ERRORLEVEL.
#include "launch/LaunchProgram.h"

#include <cstdint>
#include <utility>

#include "command/Scanner.h"
#include "launch/ProcessRecord.h"
#include "launch/ProgramSearch.h"
#include "launch/Shortcut.h"
#include "launch/StartupRecord.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/Handles.h"
#include "platform/Messages.h"
#include "platform/Output.h"

namespace {

// The program file the name stands for, a shortcut followed to its target; empty when there is none.
// File names ignore case, and a shortcut file itself can never be started, so ".lnk" counts too.
std::string ProgramPath(const std::string& name) {
    const std::string path = FindProgram(name);
    return ToUpperCase(FileExtension(path)) == ".LNK" ? ResolveShortcut(path) : path;
}

}  // namespace

void WriteCommandLineTooLong() {
    // The launcher's own failure, not the program's: like every other, it goes to the shell's error
    // output, which the stage's "2>" does not capture.
    WriteTooLong(ShellStdErr, "Command line", kCommandLineMax);
}

void LaunchProgram(StageHandles handles, const std::string& command, bool wait) {
    StartupRecord startup(std::move(handles));
    // The child's command line starts at its first word: with blanks in front, its runtime would
    // take an empty program name and shift every argument by one.
    std::size_t cursor = 0;
    SkipDelimiters(command, cursor);
    const std::string commandLine = command.substr(cursor);
    const std::string name = NextToken(command, cursor);
    const std::string program = ProgramPath(name);

    // An empty path is never handed to the system, whose answer for it varies. A line too long to
    // carry is refused only for a program that exists: a missing one is named as not recognized.
    ProcessRecord process;
    if (!program.empty() && CharacterCount(CP_ACP, commandLine) > kCommandLineMax) {
        WriteCommandLineTooLong();
    } else if (program.empty() || !process.Start(program, commandLine, startup)) {
        WriteNotRecognized(startup.Error(), name);
    } else {
        if (wait)
            process.Wait(INFINITE);
        const std::uint32_t code = process.ExitCode();
        SetEnvVar("ERRORLEVEL", std::to_string(static_cast<std::int32_t>(code)));
        process.Close();
    }
    startup.Release();
}
