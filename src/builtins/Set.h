// set: list, show, set and remove environment variables.
#pragma once

#include "builtins/BuiltinHandler.h"

void SetCommand(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);
