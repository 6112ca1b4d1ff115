// Turning a caught error into the text the user reads: the one reporter every boundary uses.
#pragma once

#include <windows.h>

// The line ends that follow the text. They differ by where the error was caught, and the shell's
// output relies on them: a stage adds one after a platform error's text (which ends in the system
// message's own line end) and two after "Unknown Exception"; the dispatcher adds none, since the
// blank line it writes after every command follows; the main loop adds one after "Unknown Exception".
struct ErrorLineEnds {
    int afterWindowsError;
    int afterUnknown;
};

// Call only while an exception is being handled: writes CWindowsError::Text for a platform failure,
// or "Unknown Exception" for anything else, to the target, then the line ends.
void ReportCaughtError(HANDLE target, ErrorLineEnds lineEnds);
