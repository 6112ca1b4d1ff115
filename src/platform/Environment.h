// Reading and changing the shell's environment variables.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The variable's whole value, whatever its length; empty when the variable is missing.
std::string GetEnvVar(const char* name);
std::string GetEnvVar(const std::string& name);

// The longest name or value the platform keeps whole: Windows holds at most 32,767 characters with
// the terminating zero, and Wine stores garbage for anything longer (its lengths wrap at 16 bits).
inline constexpr std::size_t kEnvVarMax = 32766;

// Sets a variable; throws CWindowsError on failure.
void SetEnvVar(const std::string& name, const std::string& value);

// Sets a variable and ignores the outcome.
void SetEnvVarUnchecked(const std::string& name, const std::string& value);

// The text with every %NAME% reference to a set variable replaced by its value, as
// ExpandEnvironmentStringsA does it; nothing when the platform cannot give the whole result (it
// reports a length it does not write). Throws CWindowsError on failure.
std::optional<std::string> ExpandEnvVars(const std::string& text);

// Removes a variable (a missing one is no failure); throws CWindowsError on failure.
void DeleteEnvVar(const char* name);
void DeleteEnvVar(const std::string& name);
