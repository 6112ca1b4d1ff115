// The per-user alias table: opening its registry key, and replacing an aliased command word.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/Reg.h"

// One string value per alias: the value name is the alias name, the data its replacement text.
inline constexpr const char* kAliasKeyPath = "Software\\Quenlow\\Tarvik\\Alias";

// The registry's limit on a value name: a longer name would be stored, looked up or removed under a
// wrapped one (Wine wraps its lengths at 16 bits), so it names no alias.
inline constexpr std::size_t kAliasNameMax = 16383;

// Opens the alias key, creating it when it does not exist yet. Opened afresh by every command, so
// a change made by another shell is seen at once.
CReg OpenAliasKey();

// The command text to launch for a stage's text: when its first word (quotes removed) names an
// alias, the replacement with its %NAME% references expanded now, followed by the rest of the text
// as typed; otherwise the text unchanged. Goes one level only: the replacement is not looked up again.
// Nothing when the expansion is longer than the platform can give whole (and so than a command line).
std::optional<std::string> AliasedCommand(const std::string& text);
