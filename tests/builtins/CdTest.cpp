// Path resolution and cd on a real folder tree.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>

#include "builtins/Cd.h"
#include "builtins/ResolvePath.h"
#include "platform/CurrentDir.h"
#include "support/BuiltinRun.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

using Resolution = InTempTree;
using Cd = InTempTree;

TEST_F(Resolution, EveryComponentTakesItsStoredSpelling) {
    const std::string tempName = temp.Path().substr(temp.Path().rfind('\\') + 1);
    char shortName[MAX_PATH] = "";
    GetShortPathNameA("Beta Gamma", shortName, MAX_PATH);
    ASSERT_EQ(ResolvePath(temp.Path()), temp.Path()) << "the scratch folder's path is not spelled as stored";
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"ALPHA\\delta", "Alpha\\Delta"},
        {"alpha/delta", "Alpha/Delta"},
        {Lower(temp.Path()) + "\\ALPHA", Lower(temp.Path().substr(0, 1)) + temp.Path().substr(1) + "\\Alpha"},
        {Lower(shortName), "Beta Gamma"},
        {"al*/D*", "Alpha/Delta"},
        {"*.TXT", "notes.txt"},
        {".\\alpha\\..\\alpha", ".\\Alpha\\..\\Alpha"},
        {"..", ".."},
        {"../" + Upper(tempName), "../" + tempName},
        {"alpha\\\\delta\\", "Alpha\\\\Delta\\"},
        {"nosuch\\alpha", "nosuch\\alpha"},
        {"nosuch\\..\\ALPHA", "nosuch\\..\\Alpha"},  // probed under the unresolved prefix
        {"\\", "\\"},
        {"/", "/"},
        {"c:\\", "c:\\"},
        {"c:/", "c:/"},
        {"c:", "c:"},
        {"c:alpha", "c:alpha"},
        {"\\\\server", "\\\\server"},
        {"\\\\server\\share", "\\\\server\\share"},
        {"//server/share/", "//server/share/"},
        {"\\\\server\\share\\dir", "\\\\server\\share\\dir"},
    };
    for (const auto& [typed, resolved] : cases) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(ResolvePath(typed), resolved);
    }
}

TEST_F(Cd, ShowsOrChangesTheDirectory) {
    const std::string here = temp.Path();
    const std::string tempName = here.substr(here.rfind('\\') + 1);
    const std::string root = here.substr(0, 3);
    // Under Wine a path that starts with "/" is a Unix path ("cd /" goes to Z:\), so a bare "/" is
    // left to the resolution table.
    RunSteps({
        {CdCommand, "cd", here + "\r\n", "", here},
        {CdCommand, "cd \"\"", here + "\r\n", "", here},
        {CdCommand, "cd a b c", "", "Too many parameters - b\r\n", here},
        {CdCommand, "cd \"\" b", "", "Too many parameters - b\r\n", here},
        {CdCommand, "cd=alpha \"\"", "", "", here + "\\Alpha"},
        {CdCommand, "chdir \"..\\beta gamma\"", "", "", here + "\\Beta Gamma"},
        {CdCommand, "cd ../ALPHA/delta", "", "", here + "\\Alpha\\Delta"},
        {CdCommand, "cd ../../../" + Upper(tempName) + "/b*", "", "", here + "\\Beta Gamma"},
        {CdCommand, "cd nosuch", "", "", here + "\\Beta Gamma", 0, true},
        {CdCommand, "cd \\", "", "", root},
        {CdCommand, "cd " + Lower(here), "", "", Lower(here.substr(0, 1)) + here.substr(1)},
        {CdCommand, "cd " + root.substr(0, 2) + "/", "", "", root},
    });
}

// A folder whose name the ANSI code page cannot spell comes back from the search with "?" in it;
// its short name and a wildcard must still lead into it.
TEST_F(Cd, UnspellableFolderIsEnteredThroughItsShortName) {
    if (!CreateDirectoryW(L"\x0416uk", nullptr))
        GTEST_SKIP() << "cannot create a folder named outside the code page";
    CloseHandle(CreateFileW(L"\x0416uk\\marker", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    WIN32_FIND_DATAA entry;
    FindClose(FindFirstFileA("*uk", &entry));
    if (std::string(entry.cFileName) != "?uk" || entry.cAlternateFileName[0] == '\0')
        GTEST_SKIP() << "the search spells the name as " << entry.cFileName << ", short name "
                     << entry.cAlternateFileName;
    for (const std::string& typed : {Lower(entry.cAlternateFileName), std::string("*uk")}) {
        SCOPED_TRACE(typed);
        SetCurrentDir(temp.Path());
        RunBuiltin(CdCommand, "cd " + typed);
        EXPECT_NE(GetFileAttributesA("marker"), INVALID_FILE_ATTRIBUTES) << GetCurrentDir();
    }
}

}  // namespace
