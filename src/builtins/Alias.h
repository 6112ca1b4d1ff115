// alias: the per-user alias table, and the replacement of an aliased command word.
#pragma once

#include "builtins/BuiltinHandler.h"
#include "platform/StageHandles.h"

// Lists, shows, defines or removes aliases in the per-user registry key.
void AliasCommand(HANDLE input, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor);

// Replaces a first word that names an alias by its stored text (environment references expanded),
// keeps the rest of the text as typed, and hands the result to LaunchProgram with the handles, which
// it takes over from then on. An error raised before the launch leaves the handles with the caller.
void ExpandAlias(StageHandles& handles, const std::string& text, bool wait);
