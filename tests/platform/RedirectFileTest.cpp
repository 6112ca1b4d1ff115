// The three open modes of redirection files, and the inheritance of what they open.
#include <gtest/gtest.h>

#include "platform/Output.h"
#include "platform/RedirectFile.h"
#include "platform/WindowsError.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

TEST(RedirectFile, InputFromAMissingFileRaisesFileNotFound) {
    TempDir temp;
    try {
        OpenRedirectFile(temp.File("missing.txt"), RedirectMode::Input);
        FAIL() << "no error raised";
    } catch (const CWindowsError& error) {
        EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
        EXPECT_EQ(error.context, "Windows Error : ");
    }
    EXPECT_EQ(GetFileAttributesA(temp.File("missing.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(RedirectFile, EmptyNameCannotBeOpened) {
    for (RedirectMode mode : {RedirectMode::Input, RedirectMode::Truncate, RedirectMode::Append})
        EXPECT_THROW(OpenRedirectFile("", mode), CWindowsError);
}

TEST(RedirectFile, WritingModesOnExistingAndMissingFiles) {
    struct Case {
        const char* name;
        RedirectMode mode;
        bool exists;
        std::string expected;
    };
    const Case cases[] = {
        {"truncate empties an existing file", RedirectMode::Truncate, true, "new"},
        {"truncate creates a missing file", RedirectMode::Truncate, false, "new"},
        {"append writes at the end", RedirectMode::Append, true, "old\r\nnew"},
        {"append creates a missing file", RedirectMode::Append, false, "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir temp;
        if (c.exists)
            temp.Write("out.txt", "old\r\n");
        {
            OwnedHandle file = OpenRedirectFile(temp.File("out.txt"), c.mode);
            WriteString(file.Get(), "new");
        }
        EXPECT_EQ(temp.Read("out.txt"), c.expected);
    }
}

// A sparse file costs no disk space. Windows' 32-bit file pointer call fails past 4 GiB, and an
// append that ignored it would write over the file's start.
TEST(RedirectFile, AppendGoesToTheEndOfAFileOfFourGibibytesOrMore) {
    TempDir temp;
    const LONGLONG size = (1LL << 32) + 5;
    {
        OwnedHandle file = OpenRedirectFile(temp.File("big.log"), RedirectMode::Truncate);
        WriteString(file.Get(), "start");
        LARGE_INTEGER end{};
        end.QuadPart = size;
        ASSERT_TRUE(SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(file.Get()));
    }
    {
        OwnedHandle file = OpenRedirectFile(temp.File("big.log"), RedirectMode::Append);
        WriteString(file.Get(), "new");
    }
    OwnedHandle file = OpenRedirectFile(temp.File("big.log"), RedirectMode::Input);
    LARGE_INTEGER length{};
    ASSERT_TRUE(GetFileSizeEx(file.Get(), &length));
    EXPECT_EQ(length.QuadPart, size + 3);
    char head[5] = {};
    DWORD count = 0;
    ASSERT_TRUE(ReadFile(file.Get(), head, sizeof head, &count, nullptr));
    EXPECT_EQ(std::string(head, count), "start");
    LARGE_INTEGER tail{};
    tail.QuadPart = size;
    ASSERT_TRUE(SetFilePointerEx(file.Get(), tail, nullptr, FILE_BEGIN));
    ASSERT_TRUE(ReadFile(file.Get(), head, sizeof head, &count, nullptr));
    EXPECT_EQ(std::string(head, count), "new");
}

TEST(RedirectFile, AStartedProgramInheritsTheHandles) {
    TempDir temp;
    temp.Write("in.txt", "through the input file");
    OwnedHandle input = OpenRedirectFile(temp.File("in.txt"), RedirectMode::Input);
    OwnedHandle output = OpenRedirectFile(temp.File("out.txt"), RedirectMode::Truncate);
    OwnedHandle error = OpenRedirectFile(temp.File("err.txt"), RedirectMode::Append);
    EXPECT_EQ(RunWithHandles(QuotedBinPath("copyin.exe"), input.Get(), output.Get(), error.Get()), 0u);
    output.Close();
    EXPECT_EQ(temp.Read("out.txt"), "through the input file");
}


}  // namespace
