// The prompt written before each command line.
#pragma once

#include <string>

// The prompt text: the current directory followed by ">".
std::string BuildPrompt();
