// Locale texts through GetTimeFormatA and GetDateFormatA.
#include "platform/LocaleText.h"

#include <windows.h>

#include "platform/WindowsError.h"

namespace {

int Format(LocaleFormat format, char* buffer, int size) {
    if (format == LocaleFormat::Time)
        return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, size);
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, size);
}

}  // namespace

std::string FormatNow(LocaleFormat format) {
    // The size is asked for first, since a locale's picture may be of any length; the clock can move
    // on between the two calls (9:59:59 to 10:00:00 needs one byte more), so a text that no longer
    // fits is asked for again.
    for (;;) {
        const int needed = Format(format, nullptr, 0);
        if (needed == 0)
            ThrowLastError();
        std::string text(static_cast<std::size_t>(needed), '\0');
        const int written = Format(format, text.data(), needed);
        if (written > 0) {
            text.resize(static_cast<std::size_t>(written) - 1);
            return text;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            ThrowLastError();
    }
}
