// Built-in commands run against files, and the scratch folder tree they work in.
#include "support/BuiltinRun.h"

#include <windows.h>

#include "builtins/DirectoryStack.h"
#include "command/Scanner.h"
#include "platform/CurrentDir.h"
#include "platform/RedirectFile.h"
#include "platform/WindowsError.h"

BuiltinOutput RunBuiltin(BuiltinHandler handler, const std::string& text) {
    TempDir files;
    {
        // Files, not pipes: a listing of the whole environment is larger than a pipe holds.
        OwnedHandle out = OpenRedirectFile(files.File("out"), RedirectMode::Truncate);
        OwnedHandle err = OpenRedirectFile(files.File("err"), RedirectMode::Truncate);
        std::size_t cursor = 0;
        NextToken(text, cursor);
        handler(nullptr, out.Get(), err.Get(), text, cursor);
    }
    return {files.Read("out"), files.Read("err")};
}

void RunSteps(const std::vector<Step>& steps) {
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
        EXPECT_EQ(GetCurrentDir(), step.directory);
        EXPECT_EQ(DirectoryStack.size(), step.depth);
    }
}

void InTempTree::SetUp() {
    start_ = GetCurrentDir();
    for (const char* folder : {"Alpha", "Alpha\\Delta", "Beta Gamma"})
        CreateDirectoryA(temp.File(folder).c_str(), nullptr);
    temp.Write("notes.txt", "");
    SetCurrentDir(temp.Path());
}

void InTempTree::TearDown() {
    SetCurrentDir(start_);
    DirectoryStack.clear();
}
