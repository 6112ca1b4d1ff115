// Starting the program a command line names, as a child process with a stage's standard handles.
#pragma once

#include <cstddef>
#include <string>

#include "platform/StageHandles.h"

// The longest command line a child can be given: Windows takes 32,767 characters with the zero byte,
// and Wine refuses a longer one or, from 65,536 characters on, hands the child a cut one.
inline constexpr std::size_t kCommandLineMax = 32766;

// Finds the program named by the command's first word (through PATH and PATHEXT, following a .LNK
// shortcut), starts it with the command line as typed and the stage's handles as its standard
// handles, waits for it when asked, and puts its exit code into ERRORLEVEL. A program that is not
// found gets the not-recognised message on the error handle, and a command line longer than
// kCommandLineMax characters is refused with WriteCommandLineTooLong; ERRORLEVEL then stays as it
// was. The handles are released on every path. Throws CWindowsError for every other failure.
void LaunchProgram(StageHandles handles, const std::string& command, bool wait);

// "Command line too long" on the shell's own error output.
void WriteCommandLineTooLong();
