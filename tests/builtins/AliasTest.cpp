// The alias built-in and alias replacement, against the per-user alias key of the build's prefix.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "builtins/Alias.h"
#include "builtins/AliasTable.h"
#include "platform/Environment.h"
#include "platform/WindowsError.h"
#include "platform/Handles.h"
#include "platform/RedirectFile.h"
#include "support/BuiltinRun.h"
#include "support/TestPaths.h"

namespace {

BuiltinOutput Alias(const std::string& line) {
    return RunBuiltin(AliasCommand, line);
}

// Tests run side by side on one alias key: each uses names of its own and removes them after.
class AliasTable : public ::testing::Test {
protected:
    void TearDown() override {
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kAliasKeyPath, &key), ERROR_SUCCESS);
        for (const std::string& name : names_)
            RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }
    // Names this test defines (their removal is what cleans up).
    void Uses(std::initializer_list<std::string> names) { names_.insert(names_.end(), names); }

    std::vector<std::string> names_;
};

TEST_F(AliasTable, DefineShowRemove) {
    const std::string longestName = "tvk" + std::string(16380, 'n');
    Uses({"tvkll", "tvkeq", "tvkx", "tvkraw ", "tvklong", "tvkbig", longestName});
    const std::string longest(1023, 'L');
    const std::string nameTooLong = "Alias name too long - at most 16383 characters\r\n";
    struct Case {
        std::string line;
        std::string out;
        std::string err;
    };
    const Case steps[] = {
        {"alias tvkll=dir /w", "", ""},
        {"alias tvkll", "tvkll=dir /w\r\n", ""},
        {"alias   TVKLL", "TVKLL=dir /w\r\n", ""},
        {"alias tvknosuch", "tvknosuch=\r\n", ""},
        {"alias=tvkeq=dir", "", ""},
        {"alias tvkeq", "tvkeq=dir\r\n", ""},
        {"alias tvkx=a=b", "", "Syntax error\r\n"},
        {"alias tvkx", "tvkx=\r\n", ""},
        {"alias tvkraw = \"q\"\t", "", ""},
        {"alias tvkraw ", "tvkraw = \"q\"\t\r\n", ""},
        {"alias tvkraw", "tvkraw=\r\n", ""},
        {"alias tvklong=" + longest, "", ""},
        {"alias tvklong", "tvklong=" + longest + "\r\n", ""},
        {"alias tvklong=" + longest + "+", "", "Alias text too long - at most 1023 characters\r\n"},
        {"alias tvklong", "tvklong=" + longest + "\r\n", ""},
        {"alias " + longestName + "=x", "", ""},
        {"alias " + longestName, longestName + "=x\r\n", ""},
        {"alias " + longestName + "n=x", "", nameTooLong},
        {"alias " + longestName + "n", "", nameTooLong},
        {"alias " + longestName + "n=", "", nameTooLong},
        {"alias tvkll=", "", ""},
        {"alias tvkll", "tvkll=\r\n", ""},
    };
    for (const Case& step : steps) {
        SCOPED_TRACE(step.line.substr(0, 40));
        const BuiltinOutput written = Alias(step.line);
        EXPECT_EQ(written.out, step.out);
        EXPECT_EQ(written.err, step.err);
    }
    try {
        Alias("alias tvkll=");
        ADD_FAILURE() << "removing a missing alias raised nothing";
    } catch (const CWindowsError& error) {
        EXPECT_EQ(error.context, "CReg::DeleteValue: ");
        EXPECT_EQ(error.code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    }
    // A value stored by other means that is too long to read: its name and "=" still come first.
    const std::string big(2000, 'b');
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kAliasKeyPath, "tvkbig", REG_SZ, big.c_str(), 2001), ERROR_SUCCESS);
    TempDir temp;
    {
        OwnedHandle out = OpenRedirectFile(temp.File("out"), RedirectMode::Truncate);
        EXPECT_THROW(AliasCommand(nullptr, out.Get(), nullptr, "alias tvkbig", 5), CWindowsError);
    }
    EXPECT_EQ(temp.Read("out"), "tvkbig=");
}

TEST_F(AliasTable, ListingShowsEveryAliasOnItsOwnLine) {
    const std::string longName = "tvk" + std::string(2000, 'n');
    Uses({"tvklista", "tvklistb", longName});
    Alias("alias tvklistb=two");
    Alias("alias tvklista=one words");
    Alias("alias " + longName + "=long");
    // Other tests' aliases may be listed too; ours come once each, each on a whole line.
    const std::string listed = "\r\n" + Alias("alias").out;
    for (const std::string& line : {std::string("tvklista=one words"), std::string("tvklistb=two"), longName + "=long"}) {
        SCOPED_TRACE(line.substr(0, 20));
        const std::size_t at = listed.find("\r\n" + line + "\r\n");
        ASSERT_NE(at, std::string::npos) << listed.substr(0, 500);
        EXPECT_EQ(listed.find("\r\n" + line + "\r\n", at + 1), std::string::npos);
    }
}

TEST_F(AliasTable, FirstWordReplacedOneLevelDeep) {
    Uses({"tvkdw", "tvkls ", "tvkouter", "tvkenv", "tvkwide", "tvkthrice"});
    Alias("alias tvkdw=dir /w");
    Alias("alias tvkls =dir");
    Alias("alias tvkouter=tvkdw -a");
    Alias("alias tvkenv=show %TVK_ALIAS_VAR%!");
    Alias("alias tvkwide=%TVK_ALIAS_VAR%");
    Alias("alias tvkthrice=%TVK_ALIAS_VAR%%TVK_ALIAS_VAR%%TVK_ALIAS_VAR%");
    struct Case {
        std::string variable;  // value of TVK_ALIAS_VAR, unset when empty
        std::string typed;
        std::optional<std::string> launched;  // nothing: more than the platform expands whole
    };
    const std::string overlong(16384, 'o');
    const std::string wide(3000, 'w');
    const Case cases[] = {
        {"", "tvkdw *.txt", "dir /w *.txt"},
        {"", "TVKDW", "dir /w"},
        {"", "  \"tvkdw\"  x", "dir /w  x"},
        {"", "tvkdw=x|y", "dir /w=x|y"},
        {"", "tvkls", "tvkls"},
        {"", "tvkouter b", "tvkdw -a b"},
        {"", "tvknone a  b", "tvknone a  b"},
        {"", "   ", "   "},
        {"", "tvkenv", "show %TVK_ALIAS_VAR%!"},
        {"one", "tvkenv x", "show one! x"},
        {"two", "tvkenv x", "show two! x"},
        {std::string(1023, 'w'), "tvkwide", std::string(1023, 'w')},
        {std::string(1024, 'w'), "tvkwide", std::string(1024, 'w')},
        {wide, "tvkwide end", wide + " end"},
        {wide, "tvkthrice end", wide + wide + wide + " end"},
        {std::string(20000, 'w'), "tvkthrice end", std::nullopt},
        {"", overlong + " x", overlong + " x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.substr(0, 20) + " with " + c.variable.substr(0, 8));
        if (c.variable.empty())
            DeleteEnvVar("TVK_ALIAS_VAR");
        else
            SetEnvVar("TVK_ALIAS_VAR", c.variable);
        EXPECT_EQ(AliasedCommand(c.typed), c.launched);
    }
}

TEST_F(AliasTable, ExpandAliasLaunchesTheReplacementWithTheHandles) {
    Uses({"tvkpa"});
    const std::string printargs = QuotedBinPath("printargs.exe");
    Alias("alias tvkpa=" + printargs + " first");
    TempDir temp;
    StageHandles handles(nullptr, OpenRedirectFile(temp.File("out"), RedirectMode::Truncate).Release(), ShellStdErr);
    ExpandAlias(handles, "\"tvkpa\" *.txt", true);
    EXPECT_EQ(handles.Output(), nullptr) << "the launcher took the handles over";
    const std::string out = temp.Read("out");
    EXPECT_EQ(out.substr(0, out.find("\r\n")), "[" + printargs + " first *.txt]");
}

}  // namespace
