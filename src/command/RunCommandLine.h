// Carrying out one typed command line.
#pragma once

#include <windows.h>

#include <string>

// Expands the line (up to its first zero byte) and runs it as a pipeline whose last stage is waited
// for, with the given standard handles. A pipe that cannot be made leaves as CWindowsError.
void RunCommandLine(HANDLE input, HANDLE output, HANDLE error, const std::string& line);
