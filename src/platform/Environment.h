// Reading and changing the shell's environment variables.
#pragma once

#include <string>

// The variable's whole value, whatever its length; empty when the variable is missing.
std::string GetEnvVar(const char* name);
std::string GetEnvVar(const std::string& name);

// Sets a variable; throws CWindowsError on failure.
void SetEnvVar(const std::string& name, const std::string& value);

// Sets a variable and ignores the outcome.
void SetEnvVarUnchecked(const std::string& name, const std::string& value);

// The text with every %NAME% reference to a set variable replaced by its value, as
// ExpandEnvironmentStringsA does it, whatever the length of the result; throws CWindowsError on failure.
std::string ExpandEnvVars(const std::string& text);

// Removes a variable (a missing one is no failure); throws CWindowsError on failure.
void DeleteEnvVar(const char* name);
void DeleteEnvVar(const std::string& name);
