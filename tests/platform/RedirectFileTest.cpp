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
