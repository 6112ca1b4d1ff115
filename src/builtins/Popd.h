// popd: return to the directory saved last.
#pragma once

#include "builtins/BuiltinHandler.h"

void PopdCommand(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);
