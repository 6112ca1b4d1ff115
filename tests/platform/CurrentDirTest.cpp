// The current directory: reading it whole, changing it, and the errors of a bad change.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/CurrentDir.h"
#include "platform/WindowsError.h"
#include "support/TempDir.h"

namespace {

// Each test gets a temporary folder; the starting directory is put back before the folder is removed.
class CurrentDir : public ::testing::Test {
protected:
    void TearDown() override { SetCurrentDirectoryA(start_.c_str()); }

    TempDir temp;

private:
    std::string start_ = GetCurrentDir();
};

TEST_F(CurrentDir, ChangingAndReadingBack) {
    SetCurrentDir(temp.Path());
    EXPECT_EQ(GetCurrentDir(), temp.Path());
    CreateDirectoryA(temp.File("sub").c_str(), nullptr);
    SetCurrentDir(std::string("sub"));
    EXPECT_EQ(GetCurrentDir(), temp.File("sub"));
}

TEST_F(CurrentDir, BadTargetsRaiseWithTheSystemMessage) {
    const std::string file = temp.Write("file.txt", "x");
    struct Case {
        std::string path;
        std::uint32_t code;
    };
    const Case cases[] = {
        {temp.File("missing"), ERROR_FILE_NOT_FOUND},
        {temp.File("missing\\deeper"), ERROR_PATH_NOT_FOUND},
        {file, ERROR_DIRECTORY},
    };
    const std::string before = GetCurrentDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        try {
            SetCurrentDir(c.path);
            ADD_FAILURE() << "no error raised";
        } catch (const CWindowsError& error) {
            EXPECT_EQ(error.code, c.code);
            EXPECT_EQ(error.Text(), "Windows Error : " + FormatSystemMessage(c.code));
        }
        EXPECT_EQ(GetCurrentDir(), before);
    }
}

}  // namespace
