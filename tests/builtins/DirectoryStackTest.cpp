// pushd and popd: the saved directories, their order, and what a failed change leaves.
#include <gtest/gtest.h>

#include <windows.h>

#include "builtins/DirectoryStack.h"
#include "builtins/Popd.h"
#include "builtins/Pushd.h"
#include "platform/CurrentDir.h"
#include "platform/WindowsError.h"
#include "support/BuiltinRun.h"

namespace {

using DirectoryStackCommands = InTempTree;

struct Step {
    BuiltinHandler handler;
    std::string text;
    std::string out;
    std::string err;
    std::string directory;  // inside the scratch folder
    std::size_t depth;
    bool fails = false;
};

void RunSteps(const std::string& base, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        BuiltinOutput run;
        bool failed = false;
        try {
            run = RunBuiltin(step.handler, step.text);
        } catch (const CWindowsError&) {
            failed = true;
        }
        EXPECT_EQ(failed, step.fails);
        EXPECT_EQ(run.out, step.out);
        EXPECT_EQ(run.err, step.err);
        EXPECT_EQ(GetCurrentDir(), base + step.directory);
        EXPECT_EQ(DirectoryStack.size(), step.depth);
    }
}

TEST_F(DirectoryStackCommands, PushListPop) {
    const std::string here = temp.Path();
    RunSteps(here, {
        {PopdCommand, "popd", "", "", "", 0},
        {PushdCommand, "pushd", "", "", "", 0},
        {PushdCommand, "pushd alpha", "", "", "\\Alpha", 1},
        {PushdCommand, "pushd ../beta*", "", "", "\\Beta Gamma", 2},
        {PushdCommand, "pushd", here + "\\Alpha\r\n" + here + "\r\n", "", "\\Beta Gamma", 2},
        {PushdCommand, "pushd a b", "", "Too many parameters - b\r\n", "\\Beta Gamma", 2},
        {PopdCommand, "popd x", "", "Too many parameters - x\r\n", "\\Beta Gamma", 2},
        {PopdCommand, "popd", "", "", "\\Alpha", 1},
        {PopdCommand, "popd", "", "", "", 0},
        {PushdCommand, "pushd nosuch", "", "", "", 1, true},
        {PopdCommand, "popd", "", "", "", 0},
        {PushdCommand, "pushd alpha/delta", "", "", "\\Alpha\\Delta", 1},
    });
}

TEST_F(DirectoryStackCommands, FailedPopdKeepsTheEntry) {
    CreateDirectoryA("Gone", nullptr);
    SetCurrentDir("Gone");
    RunSteps(temp.Path(), {{PushdCommand, "pushd ..", "", "", "", 1}});
    RemoveDirectoryA("Gone");
    RunSteps(temp.Path(), {{PopdCommand, "popd", "", "", "", 1, true}});
    CreateDirectoryA("Gone", nullptr);
    RunSteps(temp.Path(), {{PopdCommand, "popd", "", "", "\\Gone", 0}});
}

}  // namespace
