// Reading and changing the shell's current directory.
#pragma once

#include <string>

// The whole current directory, whatever its length; empty when the system cannot name it.
std::string GetCurrentDir();

// Changes the current directory; throws CWindowsError on failure.
void SetCurrentDir(const char* path);
void SetCurrentDir(const std::string& path);
