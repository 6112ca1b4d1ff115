// Tab completion against a real folder tree: the read loop on the in-memory console, with "|" typed
// after the keys to show where the cursor ended up.
#include <gtest/gtest.h>

#include <windows.h>

#include "editor/Completion.h"
#include "editor/ConsoleReader.h"
#include "editor/LineEditor.h"
#include "platform/CurrentDir.h"
#include "support/MemoryConsole.h"
#include "support/TempDir.h"

namespace {

class Completion : public testing::Test {
protected:
    Completion() {
        for (const char* folder : {"alpine", "Spaced Out", "sub"})
            CreateDirectoryA(temp.File(folder).c_str(), nullptr);
        for (const char* file : {"alpha.txt", "readme.txt", "xy.txt", "xyz.txt", "sub\\file.txt"})
            temp.Write(file, "");
        SetCurrentDir(temp.Path());
    }

    TempDir temp;
};

TEST_F(Completion, TabReplacesTheWordAtTheCursor) {
    struct Case {
        const char* script;
        const char* line;
        int beeps;
    };
    const Case cases[] = {
        {"type alp{Tab}|", "type alpha.txt|", 0},
        {"type alp{Tab}{Tab}|", "type alpine\\|", 0},
        {"type alp{Tab}{Tab}{Tab}|", "type alpha.txt|", 0},
        {"cd Sp{Tab}|", "cd \"Spaced Out\\\"|", 0},
        {"cd Sp{Tab}{Tab}|", "cd \"Spaced Out\\\"|", 0},
        {"cd \"Spaced O{Tab}|", "cd \"Spaced Out\\\"|", 0},
        {"cd \"spaced out\\\"{Tab}|", "cd \"spaced out\\\"|", 1},  // the closing quote is searched too
        {"type {Tab}|", "type |", 1},
        {"{Tab}|", "|", 1},
        {"type zz{Tab}|", "type zz|", 1},
        {"\"{Tab}|", ".\\|", 0},
        {"\"{Tab}{Tab}|", "..\\|", 0},
        {"type alph  x{Left}{Left}{Left}{Left}{Left}{Tab}|", "type alpha.txt|  x", 0},
        {"notepad rea{Left}{Tab}|", "notepad readme.txt|", 0},
        {"type sub/fi{Tab}|", "type sub/file.txt|", 0},
        {"TYPE SUB\\FI{Tab}|", "TYPE SUB\\file.txt|", 0},
        {"type alp{Tab}{Shift}{Tab}|", "type alpha.txt|", 0},
        {"type x?.t{Tab}|", "type xy.txt|", 0},
        {"type x*.t{Tab}{Tab}|", "type xyz.txt|", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        MemoryConsole console(40, 5);
        console.Print("C:\\>");
        console.Type(std::string(c.script) + "{Enter}");
        EXPECT_EQ(ConsoleReader(console).ReadLine(), c.line);
        EXPECT_EQ(console.beeps, c.beeps);
    }
}

// The first Tab of a cycle reads the whole folder; the next ones only step through what it found.
TEST_F(Completion, SearchesOncePerCycle) {
    MemoryConsole console(40, 5);
    LineEditor editor(console, *console.QueryScreen());
    for (const char character : std::string_view("type alp"))
        editor.PressKey(0, character);
    CompletionList list;
    CompleteWord(editor, list);
    RemoveDirectoryA(temp.File("alpine").c_str());
    CompleteWord(editor, list);
    EXPECT_EQ(editor.Line(), "type alpine\\");
}

// A line that starts in the window's top-left cell has a blank before it; a completion longer than
// the grid's rows grows the grid as typing does, and one the window cannot hold beeps and changes
// nothing.
TEST_F(Completion, ReplacementGrowsTheGridOrIsRefused) {
    CreateDirectoryA(temp.File("a-folder-name-of-thirty-chars").c_str(), nullptr);
    MemoryConsole console(16, 4);
    console.Type("cd a-f{Tab}");
    EXPECT_EQ(ConsoleReader(console).ReadLine(), std::nullopt);
    EXPECT_EQ(console.Shot(),
              (Screen{{"cd a-folder-name", "-of-thirty-chars", "\\               ", "                "}, 1, 2}));

    MemoryConsole small(16, 2);
    small.Type("{Tab}cd a-f{Tab}");
    EXPECT_EQ(ConsoleReader(small).ReadLine(), std::nullopt);
    EXPECT_EQ(small.Shot(), (Screen{{"cd a-f          ", "                "}, 6, 0}));
    EXPECT_EQ(small.beeps, 2);

    // With rows below the window, the window moves down instead and the rows above stay.
    MemoryConsole tall(16, 6);
    tall.window = {0, 0, 15, 3};
    tall.Print("above");
    tall.cursor = {0, 3};
    tall.Type("cd a-f{Tab}");
    EXPECT_EQ(ConsoleReader(tall).ReadLine(), std::nullopt);
    EXPECT_EQ(tall.BufferShot(), (Screen{{"above           ", "                ", "                ",
                                          "cd a-folder-name", "-of-thirty-chars", "\\               "},
                                         1, 5}));
    EXPECT_EQ(tall.window.Top, 2);
}

// However long the folder part of the word, the replacement names the folder that was searched.
TEST_F(Completion, LongFolderPartIsKeptWhole) {
    std::string folder = temp.Path() + "\\";
    // 256 characters of folder, and with the name and the search's "*" still a path the ANSI calls take.
    while (folder.size() < 251)
        folder += ".\\";
    folder.resize(252, '\\');
    folder += "sub\\";
    const CompletionList list = FindCompletions(folder + "fi");
    EXPECT_EQ(list.entries, std::vector<std::string>{folder + "file.txt"});
}

// A name the ANSI code page cannot spell would not open: its short name is put on the line instead.
TEST_F(Completion, UnspellableNameBecomesItsShortName) {
    if (!CreateDirectoryW(L"\x0416uk", nullptr))
        GTEST_SKIP() << "cannot create a folder named outside the code page";
    WIN32_FIND_DATAA entry;
    FindClose(FindFirstFileA("*uk", &entry));
    if (std::string(entry.cFileName) != "?uk" || entry.cAlternateFileName[0] == '\0')
        GTEST_SKIP() << "the search spells the name as " << entry.cFileName;
    EXPECT_EQ(FindCompletions("*uk").entries, std::vector<std::string>{std::string(entry.cAlternateFileName) + "\\"});
}

}  // namespace
