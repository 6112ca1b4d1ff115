// Programs started from the shell: exit codes in ERRORLEVEL, names, and the line the child receives.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

class LaunchTranscript : public ::testing::Test {
protected:
    // The console's picture of one typed line and what ran: prompt, echo, output, the blank line.
    std::string Ran(const std::string& line, const std::string& output = "") const {
        return temp.Path() + ">" + line + "\r\n" + output + "\r\n";
    }
    std::string ErrorLevel(const std::string& value) const {
        return Ran("showenv ERRORLEVEL", "cd=" + temp.Path() + "\r\nERRORLEVEL=" + value + "\r\n");
    }
    // What the shell writes to standard output after the banner.
    std::string Transcript(const std::string& script) const {
        const std::string out = RunShell(script + "exit\r\n", temp.Path()).out;
        return out.substr(out.find(temp.Path() + ">"));
    }

    TempDir temp;
};

TEST_F(LaunchTranscript, ExitCodesBecomeSignedErrorLevels) {
    const std::pair<std::string, std::string> cases[] = {
        {"0", "0"}, {"1", "1"}, {"3221225477", "-1073741819"}, {"4294967295", "-1"}};
    for (const auto& [code, level] : cases) {
        SCOPED_TRACE(code);
        EXPECT_EQ(Transcript("exitwith " + code + "\r\nshowenv ERRORLEVEL\r\n"),
                  Ran("exitwith " + code) + ErrorLevel(level) + Ran("exit"));
    }
}

TEST_F(LaunchTranscript, AProgramNotFoundLeavesErrorLevelAlone) {
    const ProcessResult run = RunShell("exitwith 7\r\nno-such-program\r\nshowenv ERRORLEVEL\r\nexit\r\n", temp.Path());
    EXPECT_NE(run.out.find(Ran("no-such-program") + ErrorLevel("7")), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "'no-such-program' is not recognized as an internal or external command,\r\n"
                       "operable program or batch file.\r\n");
}

TEST_F(LaunchTranscript, TheChildReceivesTheLineFromItsFirstWord) {
    ASSERT_TRUE(CopyFileA(BinPath("printargs.exe").c_str(), temp.File("my args.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileA(BinPath("printargs.exe").c_str(), temp.File("name.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileA(BinPath("printargs.exe").c_str(), temp.File("my.tool.exe").c_str(), TRUE));
    struct Case {
        std::string line;
        std::string output;
    };
    const Case cases[] = {
        // A quoted name with a blank is searched without its quotes and handed over with them.
        {"\"my args\" a \"b c\"", "[\"my args\" a \"b c\"]\r\n0:[my args]\r\n1:[a]\r\n2:[b c]\r\n"},
        {"name=x", "[name=x]\r\n0:[name=x]\r\n"},
        // A dotted name is found with an extension appended to the whole of it.
        {"my.tool a", "[my.tool a]\r\n0:[my.tool]\r\n1:[a]\r\n"},
        // Leading blanks, tabs and "=" would give the child an empty program name and shift its arguments.
        {" \t=printargs a  b", "[printargs a  b]\r\n0:[printargs]\r\n1:[a]\r\n2:[b]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(Transcript(c.line + "\r\n"), Ran(c.line, c.output) + Ran("exit"));
    }
}

}  // namespace
