// The real tarvik.exe run on scripts: its transcripts compared byte for byte.
#include <gtest/gtest.h>

#include "platform/RedirectFile.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

class ScriptSession : public ::testing::Test {
protected:
    // What the console would show for a prompt followed by a typed line.
    std::string Typed(const std::string& line) const { return ::Typed(temp.Path(), line); }

    TempDir temp;
};

TEST_F(ScriptSession, BannerNamesTheVersionFromTheResource) {
    const ProcessResult run = RunShell("exit\r\n", temp.Path());
    EXPECT_EQ(run.out.substr(0, run.out.find("\r\n") + 2), "Tarvik Version " + kFileVersion + "\r\n");
    EXPECT_EQ(run.out.rfind(kBanner, 0), 0u) << run.out;
}

TEST_F(ScriptSession, Transcripts) {
    struct Case {
        const char* name;
        std::string script;
        std::string out;
        std::string err;
        std::uint32_t exitCode = 0;
    };
    const Case cases[] = {
        {"exit ends the shell", "exit\r\n", Typed("exit") + "\r\n", ""},
        {"bare line feeds", "exit\n", Typed("exit") + "\r\n", ""},
        {"exit without a final line feed", "exit", Typed("exit") + "\r\n", ""},
        {"empty lines do nothing", "\r\n\r\nexit\r\n", Typed("") + Typed("") + Typed("exit") + "\r\n", ""},
        {"a line of blanks is run", "   \r\nexit\r\n", Typed("   ") + "\r\n" + Typed("exit") + "\r\n", NotRecognized("")},
        {"unknown command", "frobnicate now\r\nexit\r\n", Typed("frobnicate now") + "\r\n" + Typed("exit") + "\r\n",
         NotRecognized("frobnicate")},
        {"exit takes no status", "exit 5\r\n", Typed("exit 5") + "\r\n", ""},
        {"equals sign ends the word", "exit=now\r\n", Typed("exit=now") + "\r\n", ""},
        {"exit is case-sensitive", "EXIT\r\nexit\r\n", Typed("EXIT") + "\r\n" + Typed("exit") + "\r\n", NotRecognized("EXIT")},
        {"lines after exit are not read", "exit\r\nnever\r\n", Typed("exit") + "\r\n", ""},
        {"end of input ends the shell", "\r\n", Typed("") + temp.Path() + ">\r\n", ""},
        {"no input at all", "", temp.Path() + ">\r\n", ""},
        {"a zero byte refuses the script", std::string("exit\0junk\r\n", 11), temp.Path() + ">\r\n",
         "Script input refused at line 1: a zero byte in the line (UTF-16 text needs its byte order mark)\r\n", 1},
        // As Windows tools save scripts: a UTF-8 mark, UTF-16 LE from PowerShell's ">", CR CR LF.
        {"a UTF-8 mark is skipped", "\xEF\xBB\xBF" "exit\r\n", Typed("exit") + "\r\n", ""},
        {"UTF-16 LE is read", std::string("\xFF\xFE" "e\0x\0i\0t\0\r\0\n\0", 14), Typed("exit") + "\r\n", ""},
        {"a stray carriage return", "exit\r\r\n", Typed("exit") + "\r\n", ""},
        {"unreadable input is refused", "\xFE\xFF" "exit\r\n", temp.Path() + ">\r\n",
         "Script input refused at line 1: big-endian UTF-16 cannot be read; save the script as UTF-8 or UTF-16 LE\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectShellRun(temp.Path(), c.script, c.out, c.err, c.exitCode);
    }
}

TEST_F(ScriptSession, ScriptFromAFileWithOutputToFiles) {
    temp.Write("script.txt", "hello\r\nexit\r\nafter\r\n");
    {
        OwnedHandle input = OpenRedirectFile(temp.File("script.txt"), RedirectMode::Input);
        OwnedHandle output = OpenRedirectFile(temp.File("out.txt"), RedirectMode::Truncate);
        OwnedHandle error = OpenRedirectFile(temp.File("err.txt"), RedirectMode::Truncate);
        const std::string command = QuotedBinPath("tarvik.exe");
        EXPECT_EQ(RunWithHandles(command, input.Get(), output.Get(), error.Get(), temp.Path()), 0u);
    }
    EXPECT_EQ(temp.Read("out.txt"), kBanner + Typed("hello") + "\r\n" + Typed("exit") + "\r\n");
    EXPECT_EQ(temp.Read("err.txt"), NotRecognized("hello"));
}

}  // namespace
