// Starting the program a command line names, as a child process with a stage's standard handles.
#pragma once

#include <string>

#include "platform/StageHandles.h"

// Finds the program named by the command's first word (through PATH and PATHEXT, following a .LNK
// shortcut), starts it with the command line as typed and the stage's handles as its standard
// handles, waits for it when asked, and puts its exit code into ERRORLEVEL. A program that is not
// found gets the not-recognised message on the error handle. The handles are released on every path.
// Throws CWindowsError for every other failure.
void LaunchProgram(StageHandles handles, const std::string& command, bool wait);
