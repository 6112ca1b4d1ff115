// Programs started from the shell: exit codes in ERRORLEVEL, names, and the line the child receives.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

class LaunchTranscript : public ::testing::Test {
protected:
    // The typed line that shows ERRORLEVEL, and what it prints.
    TypedStep ErrorLevel(const std::string& value) const {
        return {"showenv ERRORLEVEL", "cd=" + temp.Path() + "\r\nERRORLEVEL=" + value + "\r\n\r\n"};
    }
    void Expect(const std::vector<TypedStep>& steps, const std::string& err = "") const {
        const ScriptTranscript transcript = TranscriptOf(temp.Path(), steps);
        ExpectShellRun(temp.Path(), transcript.script, transcript.out, err);
    }

    TempDir temp;
};

TEST_F(LaunchTranscript, ExitCodesBecomeSignedErrorLevels) {
    const std::pair<std::string, std::string> cases[] = {
        {"0", "0"}, {"1", "1"}, {"3221225477", "-1073741819"}, {"4294967295", "-1"}};
    for (const auto& [code, level] : cases) {
        SCOPED_TRACE(code);
        Expect({{"exitwith " + code, "\r\n"}, ErrorLevel(level)});
    }
}

TEST_F(LaunchTranscript, AProgramNotFoundLeavesErrorLevelAlone) {
    Expect({{"exitwith 7", "\r\n"}, {"no-such-program", "\r\n"}, ErrorLevel("7")},
           "'no-such-program' is not recognized as an internal or external command,\r\n"
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
        Expect({{c.line, c.output + "\r\n"}});
    }
}

}  // namespace
