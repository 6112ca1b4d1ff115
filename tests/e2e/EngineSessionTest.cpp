// Typed lines run end to end by the real tarvik.exe: pipes, redirections, dispatch and expansion.
#include <gtest/gtest.h>

#include <thread>
#include <utility>
#include <vector>

#include "builtins/Alias.h"
#include "platform/Environment.h"
#include "platform/RedirectFile.h"
#include "platform/WindowsError.h"
#include "support/BuiltinRun.h"
#include "support/FullDevice.h"
#include "support/ProcessRun.h"
#include "support/TestPaths.h"
#include "support/TempDir.h"
#include "support/Transcript.h"

namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

// What printargs prints for the command line it received and its arguments after its own name.
std::string Args(const std::string& commandLine, const std::vector<std::string>& arguments) {
    std::string text = "[" + commandLine + "]\r\n0:[printargs]\r\n";
    for (std::size_t index = 0; index < arguments.size(); ++index)
        text += std::to_string(index + 1) + ":[" + arguments[index] + "]\r\n";
    return text;
}

std::string ErrorText(DWORD code) {
    return CWindowsError(code, kWindowsErrorContext).Text();
}

// The text of the error raised when a redirection names no file.
std::string EmptyNameError() {
    try {
        OpenRedirectFile("", RedirectMode::Truncate);
    } catch (const CWindowsError& error) {
        return error.Text();
    }
    return "no error";
}

class EngineSession : public ::testing::Test {
protected:
    struct Case {
        const char* name;
        std::vector<TypedStep> steps;
        std::string err;
        Files results;
        Files inputs = {};
        bool lastLineExits = false;
        std::vector<std::string> absent = {};
    };

    // Runs the steps in a fresh folder, then exit; when the last step ends the shell, a line after it
    // must not be read.
    void Run(const Case& c) {
        SCOPED_TRACE(c.name);
        TempDir temp;
        for (const auto& [name, bytes] : c.inputs)
            temp.Write(name, bytes);
        const ScriptTranscript transcript = TranscriptOf(temp.Path(), c.steps, c.lastLineExits);
        ExpectShellRun(temp.Path(), transcript.script, transcript.out, c.err);
        for (const auto& [name, bytes] : c.results)
            EXPECT_EQ(temp.Read(name), bytes) << name;
        for (const std::string& name : c.absent)
            EXPECT_EQ(GetFileAttributesA(temp.File(name).c_str()), INVALID_FILE_ATTRIBUTES) << name << " exists";
    }
};

TEST_F(EngineSession, Pipes) {
    const std::string relayed(30000, 'r');
    SetEnvVar("ZQ_RELAYED", relayed);
    const Case cases[] = {
        {"two pipes join three programs", {{"writen 3 a | copyin | copyin", "\r\n\r\naaa\r\n"}}, "", {}},
        {"a leading pipe gives the next stage the end of data", {{"| copyin", "\r\n"}}, "", {}},
        {"a trailing pipe runs nothing after it", {{"writen 3 |", "\r\n"}}, "", {}},
        {"equals signs delimit the pipe", {{"writen 2 q=|=copyin", "\r\nqq\r\n"}}, "", {}},
        {"a quoted pipe is a pipe", {{"writen 2 k \"|\" copyin", "\r\nkk\r\n"}}, "", {}},
        {"a pipe inside a word is none", {{"printargs a|b", Args("printargs a|b", {"a|b"}) + "\r\n"}}, "", {}},
        {"a reader that ends early ends a back-quoted pipeline",
         {{"printargs `writen 100000 | exitwith 0`", "\r\n\r\n" + Args("printargs ", {}) + "\r\n"}}, "", {}},
        {"exit in a pipeline ends the shell after the line", {{"exit | copyin", "\r\n\r\n"}}, "", {}, {}, true},
        {"a built-in's relayed output reaches a reader left running at exit",
         {{"set ZQ_RELAYED | copyin > r.txt |", "\r\n\r\n"}, {"set ZQ_RELAYED | copyin > s.txt | exit", "\r\n\r\n\r\n"}},
         "", {{"r.txt", "ZQ_RELAYED=" + relayed + "\r\n"}, {"s.txt", "ZQ_RELAYED=" + relayed + "\r\n"}}, {}, true},
    };
    for (const Case& c : cases)
        Run(c);
    // The end of the script ends the shell as exit does.
    TempDir temp;
    EXPECT_EQ(RunShell("set ZQ_RELAYED | copyin > r.txt |\r\n", temp.Path()).exitCode, 0u);
    EXPECT_EQ(temp.Read("r.txt"), "ZQ_RELAYED=" + relayed + "\r\n");
    DeleteEnvVar("ZQ_RELAYED");
}

TEST_F(EngineSession, Redirections) {
    const std::string notRecognized = NotRecognized("zqnone");
    const Case cases[] = {
        {"words after the file name are dropped", {{"writen 3 > out.txt extra", "\r\n"}}, "", {{"out.txt", "xxx"}}},
        {"input and output from files", {{"copyin < in.txt > out.txt", "\r\n"}}, "", {{"out.txt", "one\r\ntwo\r\n"}},
         {{"in.txt", "one\r\ntwo\r\n"}}},
        {"a missing input file starts nothing", {{"copyin < missing.txt", ""}}, ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n", {}},
        {"appending creates, then appends",
         {{"writen 2 a >> log.txt", "\r\n"}, {"writen 2 b >> log.txt", "\r\n"}, {"zqnone 2>> err.txt", "\r\n"},
          {"zqnone 2>> err.txt", "\r\n"}},
         "",
         {{"log.txt", "aabb"}, {"err.txt", notRecognized + notRecognized}}},
        {"a redirection alone empties the file and runs nothing", {{"> out.txt", ""}}, "", {{"out.txt", ""}},
         {{"out.txt", "old"}}},
        {"a quoted operator redirects", {{"writen 2 \">\" q.txt", "\r\n"}}, "", {{"q.txt", "xx"}}},
        {"operators inside words are arguments",
         {{"printargs x>out.txt 2>&1", Args("printargs x>out.txt 2>&1", {"x>out.txt", "2>&1"}) + "\r\n"}}, "", {}},
        {"the same file named twice", {{"writen 2 > f.txt > f.txt", "\r\n"}}, "", {{"f.txt", "xx"}}},
        {"a failing second error redirection reports into the first", {{"zqnone 2> e1.txt 2> \"\"", ""}}, "",
         {{"e1.txt", EmptyNameError() + "\r\n"}}},
        {"a failed redirection leaves the files before it whole and removes those it created",
         {{"copyin > x.txt < x.txt", ""}, {"zqnone > f.txt 2> f.txt", ""}, {"copyin > x.txt > new.txt < zqmissing", ""},
          {"set > new2.txt < zqmissing", ""}, {"writen 1 >> new3.txt > nodir\\f.txt", ""}},
         ErrorText(ERROR_SHARING_VIOLATION) + "\r\n" + ErrorText(ERROR_SHARING_VIOLATION) + "\r\n" +
             ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n" + ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n" +
             ErrorText(ERROR_PATH_NOT_FOUND) + "\r\n",
         {{"x.txt", "precious"}, {"f.txt", "precious"}},
         {{"x.txt", "precious"}, {"f.txt", "precious"}},
         false,
         {"new.txt", "new2.txt", "new3.txt"}},
        {"a failed redirection's text goes to the error file before it",
         {{"zqnone 2>> log.txt < zqmissing", ""}, {"zqnone 2> e.txt < zqmissing", ""},
          {"zqnone 2> fresh.txt < zqmissing > nodir\\f.txt", ""}, {"zqnone < zqmissing 2> late.txt", ""}},
         ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n",
         {{"log.txt", "old\r\n" + ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n"},
          {"e.txt", ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n"},
          {"fresh.txt", ErrorText(ERROR_FILE_NOT_FOUND) + "\r\n"}},
         {{"log.txt", "old\r\n"}, {"e.txt", "stale"}},
         false,
         {"late.txt"}},
        {"one file under two names for one stream", {{"writen 2 > m.txt >> .\\M.TXT", "\r\n"}}, "", {{"m.txt", "xx"}},
         {{"m.txt", "old"}}},
        {"a file replaced by a later redirection is still emptied", {{"writen 2 > a.txt > b.txt", "\r\n"}}, "",
         {{"a.txt", ""}, {"b.txt", "xx"}}, {{"a.txt", "old"}}},
    };
    for (const Case& c : cases)
        Run(c);
    if (!OpenFullDevice().Get())
        GTEST_SKIP() << kNoFullDevice;
    Run({"a built-in's output that the disk refuses is reported",
         {{"set > Z:\\dev\\full", "\r\n"}, {"cd >> Z:\\dev\\full", "\r\n"}},
         ErrorText(ERROR_DISK_FULL) + ErrorText(ERROR_DISK_FULL), {}});
}

// A named pipe's server sees every open as a connection: what a stage writes must arrive in the one
// connection its redirection makes.
TEST_F(EngineSession, RedirectionToANamedPipe) {
    const std::string pipe = "\\\\.\\pipe\\zqtarvik" + std::to_string(GetCurrentProcessId());
    const std::pair<std::string, std::string> cases[] = {
        {"writen 3 > " + pipe, "xxx"},
        {"writen 2 >> " + pipe, "xx"},
        {"zqnone 2> " + pipe, NotRecognized("zqnone")},
    };
    for (const auto& [line, served] : cases) {
        SCOPED_TRACE(line);
        ProcessResult server;
        std::thread serving([&server, &pipe] { server = RunProcess(QuotedBinPath("pipeserver.exe") + " " + pipe, ""); });
        for (int tries = 0; tries < 1000 && !WaitNamedPipeA(pipe.c_str(), NMPWAIT_USE_DEFAULT_WAIT); ++tries)
            Sleep(10);
        const ProcessResult run = RunShell(line + "\r\nexit\r\n");
        serving.join();
        EXPECT_EQ(server.out, served);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(EngineSession, BuiltinsWithRedirections) {
    TempDir temp;
    const ProcessResult run = RunShell("cd > d.txt\r\ncd zqmissing 2> e.txt\r\nexit\r\n", temp.Path());
    EXPECT_EQ(run.out, kBanner + Typed(temp.Path(), "cd > d.txt") + "\r\n" + Typed(temp.Path(), "cd zqmissing 2> e.txt") +
                           "\r\n" + Typed(temp.Path(), "exit") + "\r\n");
    EXPECT_EQ(temp.Read("d.txt"), temp.Path() + "\r\n");
    // A built-in's own failure goes to the shell's standard error, whatever the stage redirected.
    EXPECT_EQ(run.err, ErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(temp.Read("e.txt"), "");
}

TEST_F(EngineSession, Dispatch) {
    const Case cases[] = {
        {"command words are exact and case-sensitive", {{"Cd", "\r\n"}, {"cd..", "\r\n"}},
         NotRecognized("Cd") + NotRecognized("cd.."), {}},
        {"a quoted exit ends the shell", {{"\"exit\"", "\r\n"}}, "", {}, {}, true},
    };
    for (const Case& c : cases)
        Run(c);
}

TEST_F(EngineSession, Expansion) {
    SetEnvVar("ZQ_PIPE", "|");
    SetEnvVar("ZQ_INSERTED", "%PATH%`cd`");
    // Three of these make more than the platform expands (32,766 characters) or a child is given.
    SetEnvVar("ZQ_THIRD", std::string(30000, 't'));
    RunBuiltin(AliasCommand, "alias zqbig=printargs %ZQ_THIRD%%ZQ_THIRD%%ZQ_THIRD%");
    const std::string tooLong = "Command line too long - at most 32766 characters\r\n";
    const Case cases[] = {
        {"inserted text is not expanded again",
         {{"printargs %ZQ_INSERTED%", Args("printargs %PATH%`cd`", {"%PATH%`cd`"}) + "\r\n"}}, "", {}},
        {"a pipe from a variable joins stages", {{"writen 2 %ZQ_PIPE% copyin", "\r\nxx\r\n"}}, "", {}},
        {"empty and lone back-quotes insert nothing",
         {{"printargs ``", Args("printargs ", {}) + "\r\n"}, {"printargs x`", Args("printargs x", {"x"}) + "\r\n"}}, "", {}},
        {"output lines fold into one",
         {{"printargs `cmd /c echo a& echo b`", "\r\n" + Args("printargs a b", {"a", "b"}) + "\r\n"},
          {"printargs `cmd /c echo.& echo a`", "\r\n" + Args("printargs  a", {"a"}) + "\r\n"}},
         "", {}},
        {"a program not found inside back-quotes adds nothing", {{"printargs `zqnone`", "\r\n" + Args("printargs ", {}) + "\r\n"}},
         NotRecognized("zqnone"), {}},
        {"a value too long for a variable changes nothing",
         {{"set ZQ_LONG=`writen 40000`", "\r\n\r\n"}, {"set ZQ_LONG", "ZQ_LONG=\r\n\r\n"}},
         "Value too long - at most 32766 characters\r\n", {}},
        // The launcher's message is the shell's own: "2>" does not take it.
        {"a command line too long to carry starts nothing",
         {{"printargs " + std::string(32757, 'a'), "\r\n"}, {"printargs %ZQ_THIRD%%ZQ_THIRD%%ZQ_THIRD%", "\r\n"},
          {"zqbig x", "\r\n"}, {"printargs " + std::string(32757, 'a') + " 2> e.txt", "\r\n"},
          {"zqbig x 2> f.txt", "\r\n"}},
         tooLong + tooLong + tooLong + tooLong + tooLong, {{"e.txt", ""}, {"f.txt", ""}}},
    };
    for (const Case& c : cases)
        Run(c);
    RunBuiltin(AliasCommand, "alias zqbig=");
    DeleteEnvVar("ZQ_THIRD");
    DeleteEnvVar("ZQ_PIPE");
    DeleteEnvVar("ZQ_INSERTED");
}

TEST_F(EngineSession, BackQuotedCdInsertsTheDirectory) {
    TempDir temp;
    const ProcessResult run = RunShell("printargs `cd`\r\nexit\r\n", temp.Path());
    EXPECT_EQ(run.out, kBanner + Typed(temp.Path(), "printargs `cd`") + "\r\n" +
                           Args("printargs " + temp.Path(), {temp.Path()}) + "\r\n" + Typed(temp.Path(), "exit") + "\r\n");
}

// A built-in's output larger than a pipe holds, into "|" and into back-quotes, with no reader yet.
TEST_F(EngineSession, LargeBuiltinOutputNeverBlocksTheShell) {
    const std::string value(30000, 'v');
    for (int index = 0; index < 36; ++index)
        SetEnvVar("ZQ_BIG" + std::to_string(index), value);
    SetEnvVar("ZQ_MARK", "found");
    TempDir temp;
    const ProcessResult run = RunShell(
        "set > direct.txt\r\nset | copyin > piped.txt\r\nset | find \"ZQ_MARK\"\r\nprintargs `set ZQ_BIG0`\r\nzqnone `set`\r\nexit\r\n",
        temp.Path());
    const std::string direct = temp.Read("direct.txt");
    EXPECT_GT(direct.size(), 1u << 20);
    EXPECT_TRUE(temp.Read("piped.txt") == direct) << "the piped listing differs";
    EXPECT_NE(run.out.find("ZQ_MARK=found\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("1:[ZQ_BIG0=" + value + "]\r\n"), std::string::npos);
    EXPECT_EQ(run.err, NotRecognized("zqnone"));
    EXPECT_EQ(run.exitCode, 0u);
}

// Aliases live in the registry: a definition serves the next shell too. A "|" or ">" in a stored
// value (set here directly: typed, it would split the line) reaches the program as an argument.
TEST_F(EngineSession, AliasesAcrossShells) {
    TempDir temp;
    const auto transcript = [&temp](const std::vector<TypedStep>& steps) {
        const ScriptTranscript expected = TranscriptOf(temp.Path(), steps);
        ExpectShellRun(temp.Path(), expected.script, expected.out, "");
    };
    RunBuiltin(AliasCommand, "alias zqbar=printargs | >");
    transcript({{"alias ll=printargs -l", "\r\n"},
                {"ll *.txt", Args("printargs -l *.txt", {"-l", "*.txt"}) + "\r\n"},
                {"zqbar x", Args("printargs | > x", {"|", ">", "x"}) + "\r\n"}});
    transcript({{"ll a", Args("printargs -l a", {"-l", "a"}) + "\r\n"}, {"alias ll=", "\r\n"}, {"alias zqbar=", "\r\n"}});
}

}  // namespace
