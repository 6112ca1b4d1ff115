// The exit flag shared by the exit command and the main loop.
#include "command/ExitRequest.h"

bool ExitRequested = false;

void RequestExit() {
    ExitRequested = true;
}
