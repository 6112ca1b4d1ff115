// Carrying out one command line.
#pragma once

#include <windows.h>

#include <string>

// Runs the line with the given standard handles, which it takes over and releases (never the shell's
// own); after the command, "\r\n" goes to the shell's standard output.
void RunCommandLine(HANDLE input, HANDLE output, HANDLE error, const std::string& line);
