// The whole process environment, entry by entry.
#pragma once

#include <string>
#include <vector>

// Every entry of the environment block as the system holds it ("name=value"), in block order: not
// sorted, not filtered, entries whose name starts with "=" included. Throws CWindowsError when the
// system cannot give the block.
std::vector<std::string> EnvironmentEntries();
