// The prompt built from the PROMPT template: every code, the locale's time and date, and a directory
// that cannot be named.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "builtins/Cd.h"
#include "builtins/DirectoryStack.h"
#include "builtins/Pushd.h"
#include "builtins/Set.h"
#include "core/Prompt.h"
#include "platform/CurrentDir.h"
#include "platform/Environment.h"
#include "support/BuiltinRun.h"
#include "support/TempDir.h"

namespace {

void SetPrompt(const std::optional<std::string>& pattern) {
    SetEnvironmentVariableA("PROMPT", pattern ? pattern->c_str() : nullptr);
}

class Prompt : public InTempTree {
protected:
    void TearDown() override {
        SetPrompt(saved_);
        InTempTree::TearDown();
    }

private:
    std::optional<std::string> saved_ =
        GetEnvironmentVariableA("PROMPT", nullptr, 0) ? std::optional(GetEnvVar("PROMPT")) : std::nullopt;
};

TEST_F(Prompt, EveryCodeOfTheTemplate) {
    struct Case {
        std::optional<std::string> pattern;
        std::size_t depth;
        std::string expected;
    };
    const std::string here = temp.Path();
    const Case cases[] = {
        {std::nullopt, 2, here + "++>"},
        {std::nullopt, 0, here + ">"},
        {"", 1, here + "+>"},
        {"plain text", 3, "plain text"},
        {"$$", 0, "$"},
        {"$$P", 0, "$P"},
        {"$p$g", 0, here + ">"},
        {"$b$e$l$q$n$G", 0, std::string("|\x1B<=") + here[0] + ">"},
        {"[$_]", 0, "[\n\r]"},
        {"$A$1$ $~", 0, "$A$1$ $~"},
        {"[$M$v]", 0, "[]"},
        {"ab$Hc", 0, "ab\bc"},
        {"end$", 0, "end$"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern.value_or("(unset)"));
        SetPrompt(c.pattern);
        DirectoryStack.assign(c.depth, "C:\\");
        EXPECT_EQ(BuildPrompt(), c.expected);
    }
}

TEST_F(Prompt, TimeAndDateFollowTheLocale) {
    // The formats are pinned to fixed words so the clock cannot change the text; they persist in the
    // prefix's registry, so the old ones are put back.
    char time[100] = "";
    char date[100] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time, sizeof time);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date, sizeof date);
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, "'clock'");
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "'calendar'");
    SetPrompt("$T $d|$t $D");
    const std::string prompt = BuildPrompt();
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time);
    SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date);
    EXPECT_EQ(prompt, "clock calendar|clock calendar");
}

TEST_F(Prompt, ChangeMadeWithSetShowsAtTheNextPrompt) {
    RunBuiltin(SetCommand, "set PROMPT=$N$Q");
    EXPECT_EQ(BuildPrompt(), temp.Path().substr(0, 1) + "=");
    RunBuiltin(SetCommand, "set PROMPT=");
    EXPECT_EQ(BuildPrompt(), temp.Path() + ">");
}

// Windows keeps the current directory under 260 characters unless the program declares itself aware of
// long paths; Wine lets relative steps go past. The probe climbs as the test does and comes straight back.
bool DeepCurrentDirectoryAllowed() {
    const std::string start = GetCurrentDir();
    const TempDir base;
    bool allowed = SetCurrentDirectoryA(base.Path().c_str());
    const std::string step(60, 'd');
    for (int i = 0; allowed && i < 5; ++i)
        allowed = CreateDirectoryA(step.c_str(), nullptr) && SetCurrentDirectoryA(step.c_str());
    SetCurrentDir(start);
    return allowed;
}

// The system cannot name a directory reached by relative steps past 260 characters. Under Wine a test
// process left in such a directory overflowed its stack at exit, so this runs in a child process that
// climbs back out before it ends.
TEST(PromptDeepDirectory, ShowsEmptyTextAndPushdStillWorks) {
    if (!DeepCurrentDirectoryAllowed())
        GTEST_SKIP() << "the system keeps the current directory under 260 characters";
    EXPECT_EXIT(
        {
            std::string failures;
            const std::string start = GetCurrentDir();
            {
                TempDir base;
                SetCurrentDir(base.Path());
                const std::string step(60, 'd');
                for (int i = 0; i < 5; ++i) {
                    CreateDirectoryA(step.c_str(), nullptr);
                    SetCurrentDir(step);
                }
                SetPrompt("[$P$N]$G");
                if (BuildPrompt() != "[]>")
                    failures += "prompt " + BuildPrompt() + "\n";
                if (RunBuiltin(CdCommand, "cd").out != "\r\n")
                    failures += "cd shows a directory\n";
                RunBuiltin(PushdCommand, "pushd " + base.Path());
                if (GetCurrentDir() != base.Path() || DirectoryStack.size() != 1)
                    failures += "pushd did not change\n";
                SetCurrentDir(start);
            }
            std::fputs(failures.c_str(), stderr);
            std::exit(failures.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
