// pushd and popd: the saved directories, their order, and what a failed change leaves.
#include <gtest/gtest.h>

#include <windows.h>

#include "builtins/Popd.h"
#include "builtins/Pushd.h"
#include "platform/CurrentDir.h"
#include "support/BuiltinRun.h"

namespace {

using DirectoryStackCommands = InTempTree;

TEST_F(DirectoryStackCommands, PushListPop) {
    const std::string here = temp.Path();
    const std::string alpha = here + "\\Alpha";
    const std::string beta = here + "\\Beta Gamma";
    RunSteps({
        {PopdCommand, "popd", "", "", here, 0},
        {PushdCommand, "pushd", "", "", here, 0},
        {PushdCommand, "pushd alpha", "", "", alpha, 1},
        {PushdCommand, "pushd ../beta*", "", "", beta, 2},
        {PushdCommand, "pushd", alpha + "\r\n" + here + "\r\n", "", beta, 2},
        {PushdCommand, "pushd a b", "", "Too many parameters - b\r\n", beta, 2},
        {PopdCommand, "popd x", "", "Too many parameters - x\r\n", beta, 2},
        {PopdCommand, "popd", "", "", alpha, 1},
        {PopdCommand, "popd", "", "", here, 0},
        {PushdCommand, "pushd nosuch", "", "", here, 1, true},
        {PopdCommand, "popd", "", "", here, 0},
        {PushdCommand, "pushd alpha/delta", "", "", alpha + "\\Delta", 1},
    });
}

TEST_F(DirectoryStackCommands, FailedPopdKeepsTheEntry) {
    const std::string gone = temp.File("Gone");
    CreateDirectoryA(gone.c_str(), nullptr);
    SetCurrentDir(gone);
    RunSteps({{PushdCommand, "pushd ..", "", "", temp.Path(), 1}});
    RemoveDirectoryA(gone.c_str());
    RunSteps({{PopdCommand, "popd", "", "", temp.Path(), 1, true}});
    CreateDirectoryA(gone.c_str(), nullptr);
    RunSteps({{PopdCommand, "popd", "", "", gone, 0}});
}

}  // namespace
