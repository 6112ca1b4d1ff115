// Where the test programs find the shell and the helper programs: beside themselves.
#pragma once

#include <string>

// The folder that holds the running test program, with a trailing backslash.
std::string BinDir();

// The full path of a program built into the same folder, e.g. BinPath("tarvik.exe").
std::string BinPath(const std::string& fileName);

// The same path between double quotes, ready to start a command line.
std::string QuotedBinPath(const std::string& fileName);
