// Program search: the PATHEXT trials on real files, and the extension of a path.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "launch/ProgramSearch.h"
#include "platform/CurrentDir.h"
#include "platform/Environment.h"
#include "support/TempDir.h"

namespace {

// Names are searched bare, in the current folder: the system tries a name that holds a path as it
// stands before any extension, which would hide the order of the trials.
class ProgramSearch : public ::testing::Test {
protected:
    void TearDown() override {
        SetEnvironmentVariableA("PATHEXT", savedPathExt.empty() ? nullptr : savedPathExt.c_str());
        SetCurrentDirectoryA(savedDirectory.c_str());
    }

    const std::string savedPathExt = GetEnvVar("PATHEXT");
    const std::string savedDirectory = GetCurrentDir();
    TempDir temp;
};

TEST_F(ProgramSearch, TriesEachExtensionInTheListsOrder) {
    struct Case {
        const char* pathext;  // null: unset
        std::vector<std::string> files;
        std::string name;
        std::string found;  // empty: nothing found
    };
    const Case cases[] = {
        {nullptr, {"app.BAT", "app.EXE", "app.COM"}, "app", "app.COM"},
        {nullptr, {"app.BAT", "app.EXE"}, "app", "app.EXE"},
        {"", {"app.BAT", "app"}, "app", "app.BAT"},
        {".EXE", {"app.BAT"}, "app", ""},
        {".EXE;;.BAT", {"app.BAT", "app"}, "app", "app"},
        {".EXE;;.BAT", {"app", "app.EXE"}, "app", "app.EXE"},
        {".COM;.EXE;", {"app"}, "app", "app"},
        {".COM;.EXE", {"app"}, "app", ""},
        {".COM; .EXE", {"app.EXE", "app .EXE"}, "app", "app .EXE"},
        {".COM;.EXE", {"app.BAT", "app.COM"}, "app.BAT", "app.BAT"},
        // A dotted name found by no trial gets each entry appended to the whole name, in order.
        {".COM;;.EXE", {"my.tool.EXE"}, "my.tool", "my.tool.EXE"},
        {".BAT;.EXE", {"my.tool", "my.tool.EXE"}, "my.tool", "my.tool"},
        {".EXE;.COM", {"my.tool.COM", "my.tool.EXE"}, "my.tool", "my.tool.EXE"},
        {".EXE;.COM", {"my.tool.COM"}, "my.tool", "my.tool.COM"},
        {".EXE", {"my.tool.BAT"}, "my.tool", ""},
    };
    int folder = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("PATHEXT=") + (c.pathext ? c.pathext : "<unset>") + " name=" + c.name);
        const std::string here = temp.File(std::to_string(++folder));
        CreateDirectoryA(here.c_str(), nullptr);
        for (const std::string& file : c.files)
            temp.Write(std::to_string(folder) + "\\" + file, "");
        SetEnvironmentVariableA("PATHEXT", c.pathext);
        SetCurrentDir(here);
        EXPECT_EQ(FindProgram(c.name), c.found.empty() ? "" : here + "\\" + c.found);
    }
}

TEST(FileExtension, RunsFromTheLastDotToTheEnd) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\bin\\app.LNK", ".LNK"}, {"C:\\my.dir\\app", ".dir\\app"}, {"app", ""}, {"", ""}};
    for (const auto& [name, extension] : cases)
        EXPECT_EQ(FileExtension(name), extension) << name;
}

}  // namespace
