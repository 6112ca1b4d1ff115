// pushd: save the current directory and change to another, or list the saved ones.
#pragma once

#include "builtins/BuiltinHandler.h"

void PushdCommand(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);
