// The flag with which the exit command ends the main loop.
#pragma once

// False when the shell starts; once set, the main loop ends after the line being processed.
extern bool ExitRequested;

void RequestExit();
