// The helper programs that tests start as children, run through the end-to-end driver.
#include <gtest/gtest.h>

#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

std::string Helper(const std::string& name) {
    return QuotedBinPath(name + ".exe");
}

TEST(HelperPrograms, ExitCodesCoverAllThirtyTwoBits) {
    struct Case {
        std::string argument;
        std::uint32_t code;
    };
    const Case cases[] = {{"0", 0}, {"1", 1}, {"259", 259}, {"3221225477", 0xC0000005u},
                          {"4294967295", 0xFFFFFFFFu}, {"-1", 0xFFFFFFFFu}, {"0x80000000", 0x80000000u}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.argument);
        EXPECT_EQ(RunProcess(Helper("exitwith") + " " + c.argument, "").exitCode, c.code);
    }
}

TEST(HelperPrograms, PrintArgsShowsTheCommandLineAsReceived) {
    const ProcessResult run = RunProcess(Helper("printargs") + " one \"two words\"", "");
    EXPECT_EQ(run.out, "[" + Helper("printargs") + " one \"two words\"]\r\n0:[" + BinPath("printargs.exe") +
                           "]\r\n1:[one]\r\n2:[two words]\r\n");
}

TEST(HelperPrograms, CopyInPassesLargeInputUnchanged) {
    // Far more than a pipe holds: the driver must feed and drain at the same time.
    std::string input;
    for (int i = 0; i < 200000; ++i)
        input += static_cast<char>(i * 7);
    const ProcessResult run = RunProcess(Helper("copyin"), input);
    EXPECT_EQ(run.out, input);
    EXPECT_EQ(run.err, "");
}

TEST(HelperPrograms, WriteNWritesExactlyNBytes) {
    for (std::size_t count : {0u, 1u, 4096u, 100000u}) {
        SCOPED_TRACE(count);
        EXPECT_EQ(RunProcess(Helper("writen") + " " + std::to_string(count) + " q", "").out, std::string(count, 'q'));
    }
}

TEST(HelperPrograms, ShowEnvReportsDirectoryAndVariable) {
    TempDir temp;
    SetEnvironmentVariableA("TARVIK_HELPER_VALUE", "seen");
    const ProcessResult run = RunProcess(Helper("showenv") + " TARVIK_HELPER_VALUE", "", temp.Path());
    SetEnvironmentVariableA("TARVIK_HELPER_VALUE", nullptr);
    EXPECT_EQ(run.out, "cd=" + temp.Path() + "\r\nTARVIK_HELPER_VALUE=seen\r\n");
    EXPECT_EQ(RunProcess(Helper("showenv") + " TARVIK_HELPER_UNSET", "", temp.Path()).out,
              "cd=" + temp.Path() + "\r\nTARVIK_HELPER_UNSET=<unset>\r\n");
}


}  // namespace
