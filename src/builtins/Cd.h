// cd and chdir: show or change the current directory, every component spelled as stored.
#pragma once

#include "builtins/BuiltinHandler.h"

void CdCommand(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);
