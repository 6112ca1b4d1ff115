// Running a stage's command text: a built-in, or a program by way of the alias table.
#pragma once

#include <string>

#include "builtins/BuiltinHandler.h"
#include "platform/StageHandles.h"

// The built-in named by a first word (exact and case-sensitive), or null when there is none.
BuiltinHandler FindBuiltin(const std::string& word);

// Runs the built-in the first word names, or hands the stage to alias expansion and the launcher.
// Errors are reported on the shell's standard error and "\r\n" goes to its standard output after
// every command; an empty text runs nothing and writes nothing. The handles are released here
// unless the launcher took them; only a failure to release one leaves as CWindowsError.
void DispatchCommand(StageHandles& handles, const std::string& text, bool wait);
