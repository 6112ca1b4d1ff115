// The current local time and date, formatted the way the user's locale writes them.
#pragma once

#include <string>

enum class LocaleFormat { Time, ShortDate };

// The current local time or short date in the user's default locale, with the locale's own
// picture; throws CWindowsError when the system cannot format it.
std::string FormatNow(LocaleFormat format);
