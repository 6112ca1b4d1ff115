// Conversions from UTF-16 and character counts, with the code page given, so pages other than the
// prefix's ANSI page (1252) are checked too.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "platform/CodePage.h"

namespace {

TEST(CodePage, ConvertsAndCountsInTheCodePageGiven) {
    struct Case {
        const char* name;
        std::uint32_t codePage;
        std::wstring wide;
        std::optional<std::string> bytes;
    };
    const Case cases[] = {
        {"1252: exact", 1252, L"caf\u00E9 \u20AC", "caf\xE9 \x80"},
        {"1252: no look-alike", 1252, L"\u0100", std::nullopt},
        {"UTF-8: every character", CP_UTF8, L"caf\u00E9 \u20AC \u4E2D \U0001F600",
         "caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80"},
        {"UTF-8: an unpaired surrogate", CP_UTF8, L"a\xD800z", std::nullopt},
        {"932: two-byte characters", 932, L"\u65E5\u672C", "\x93\xFA\x96\x7B"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FromWide(c.codePage, c.wide), c.bytes);
        if (c.bytes) {
            EXPECT_EQ(CharacterCount(c.codePage, *c.bytes), c.wide.size());
        }
    }
}

}  // namespace
