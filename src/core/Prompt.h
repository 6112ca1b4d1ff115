// The prompt written before each command line, built from the PROMPT template.
#pragma once

#include <string>

// The prompt text from PROMPT ("$P$+$G" when it is unset or empty), read afresh each time: "$"
// and the byte after it stand for live information or a special character. Throws CWindowsError
// only when the time or date cannot be formatted.
std::string BuildPrompt();

// The current local time in the user's locale format.
std::string TimeText();

// The current local date in the user's short date format.
std::string DateText();
