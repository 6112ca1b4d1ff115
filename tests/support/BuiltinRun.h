// Running built-in commands directly, as the dispatcher will, inside a scratch folder.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builtins/BuiltinHandler.h"
#include "support/TempDir.h"

struct BuiltinOutput {
    std::string out;
    std::string err;
};

// Runs the handler on a command text with the cursor just behind its command word; its output and
// error handles are files, read back once it returns. A CWindowsError passes through.
BuiltinOutput RunBuiltin(BuiltinHandler handler, const std::string& text);

// One command of a scripted run and what it must leave: its output and error text, the current
// directory and the depth of the directory stack; fails when it must raise CWindowsError.
struct Step {
    BuiltinHandler handler;
    std::string text;
    std::string out;
    std::string err;
    std::string directory;
    std::size_t depth = 0;
    bool fails = false;
};

// Runs the steps in order, each under its own trace.
void RunSteps(const std::vector<Step>& steps);

// A test run inside a fresh folder holding the folders Alpha, Alpha\Delta and "Beta Gamma" and the
// file notes.txt. The starting directory and an empty directory stack are restored afterwards.
class InTempTree : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TempDir temp;

private:
    std::string start_;
};
