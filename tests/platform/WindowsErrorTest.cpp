// Error texts: the context, then the system's own message with its own line end.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/WindowsError.h"

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(WindowsError, TextIsContextThenSystemMessageWithItsOwnLineEnd) {
    for (std::uint32_t code : {2u, 3u, 5u, 109u}) {
        SCOPED_TRACE(code);
        const std::string message = FormatSystemMessage(code);
        ASSERT_TRUE(EndsWith(message, "\r\n"));
        const std::string text = CWindowsError(code, kWindowsErrorContext).Text();
        EXPECT_EQ(text, "Windows Error : " + message);
        EXPECT_FALSE(EndsWith(text, "\r\n\r\n"));
    }
}

TEST(WindowsError, CopyPrintsTheSameText) {
    const CWindowsError original(2, "CReg::QueryValue: ");
    const CWindowsError copy = original;
    EXPECT_EQ(copy.code, 2u);
    EXPECT_EQ(copy.Text(), original.Text());
}

TEST(WindowsError, MessageWithInsertKeepsItsPlaceholder) {
    // Code 193 (not a valid program) has an insert in its text; it must be looked up, not refused.
    const std::string message = FormatSystemMessage(ERROR_BAD_EXE_FORMAT);
    EXPECT_NE(message.find("%1"), std::string::npos) << message;
}

TEST(WindowsError, UnknownCodeGivesContextAlone) {
    EXPECT_EQ(FormatSystemMessage(0x2FFFFFFF), "");
    EXPECT_EQ(CWindowsError(0x2FFFFFFF, kWindowsErrorContext).Text(), "Windows Error : ");
}

TEST(WindowsError, ThrowLastErrorCarriesTheFailedCallsCode) {
    SetLastError(ERROR_ACCESS_DENIED);
    try {
        ThrowLastError();
        FAIL() << "nothing thrown";
    } catch (const CWindowsError& error) {
        EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(error.context, "Windows Error : ");
    }
}

}  // namespace
