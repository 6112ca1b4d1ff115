// The line editor on an in-memory console: key scripts, the resulting line with the cursor marked
// by "|", and what the window shows.
#include <gtest/gtest.h>

#include "editor/LineEditor.h"
#include "support/MemoryConsole.h"

namespace {

// Presses the keys of the script (releases are the read loop's business).
void Press(LineEditor& editor, std::string_view script) {
    for (const INPUT_RECORD& event : KeyEvents(script))
        if (event.Event.KeyEvent.bKeyDown)
            editor.PressKey(event.Event.KeyEvent.wVirtualKeyCode, event.Event.KeyEvent.uChar.AsciiChar);
}

std::string Marked(const LineEditor& editor) {
    const CellGrid& grid = editor.Grid();
    return grid.Text(editor.Start(), grid.Cursor()) + "|" + grid.Text(grid.Cursor(), editor.End());
}

TEST(LineEditor, KeyTable) {
    struct Case {
        const char* script;
        const char* line;
    };
    const Case cases[] = {
        {"dir", "dir|"},
        {"dir{Left}", "di|r"},
        {"dir{Left}{Left}{Left}{Left}", "|dir"},
        {"dir{Left}{Right}{Right}", "dir|"},
        {"dir{Home}", "|dir"},
        {"dir{Home}{End}", "dir|"},
        {"abcd{Left}{Back}", "ab|d"},
        {"ab{Home}{Back}", "|ab"},
        {"ab{Del}", "ab|"},
        {"ab{Home}{Del}", "|b"},
        {"  a  ", "  a  |"},
        {"abc{Home}x", "x|abc"},
        {"abc{Left}X", "abX|c"},
        {"abc{Left}{Left}{Ins}X", "aX|c"},
        {"ab{Ins}cd", "abcd|"},
        {"abc{Ins}{Ins}{Home}X", "X|abc"},
        {"ab{Up}{Down}{Esc}{F1}{CtrlC}{CtrlH}{Tab}{Shift}{Accent}", "ab|"},
        {"%$#.-'", "%$#.-'|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        MemoryConsole console(20, 5);
        console.Print("C:\\>");
        LineEditor editor(console, *console.QueryScreen());
        Press(editor, c.script);
        EXPECT_EQ(Marked(editor), c.line);
        EXPECT_EQ(console.beeps, 0);
    }
}

// A window 10 wide and 4 high; above a prompt below the top row, the top row is marked so that
// scrolling shows.
TEST(LineEditor, ScreenRowsWrapGrowAndScroll) {
    const std::string a27 = "abcdefghijklmnopqrstuvwxyzA";
    struct Case {
        const char* name;
        SHORT promptRow;
        std::string script;
        std::string line;
        Screen screen;
        int beeps;
    };
    const Case cases[] = {
        {"the line wraps; Enter mid-line goes below the line", 0, "abcdefghij{Home}{Enter}", "|abcdefghij",
         {{"C>abcdefgh", "ij        ", "          ", "          "}, 0, 2}, 0},
        {"typing into the bottom row's last column scrolls", 3, "abcdefgh", "abcdefgh|",
         {{"          ", "          ", "C>abcdefgh", "          "}, 0, 3}, 0},
        {"so does typing there one row above the bottom", 2, "abcdefgh", "abcdefgh|",
         {{"          ", "C>abcdefgh", "          ", "          "}, 0, 2}, 0},
        {"Enter on the bottom row scrolls", 3, "ab{Enter}", "ab|",
         {{"          ", "          ", "C>ab      ", "          "}, 0, 3}, 0},
        {"insert at a full row grows the grid and keeps the last character", 0, "abcdefg{Home}xy", "xy|abcdefg",
         {{"C>xyabcdef", "g         ", "          ", "          "}, 4, 0}, 0},
        {"deleting back into one row leaves a blank row; Enter goes on it", 0, "abcdefghij{Back}{Back}{Back}{Enter}",
         "abcdefg|", {{"C>abcdefg ", "          ", "          ", "          "}, 0, 1}, 0},
        {"a line filling the window keeps the cursor on the last cell; insert beeps, overwrite stays outside", 3,
         a27 + "BCDEFGHIJKX{Ins}Y", "abcdefghijklmnopqrstuvwxyzABCDEFGHIJK|",
         {{"C>abcdefgh", "ijklmnopqr", "stuvwxyzAB", "CDEFGHIJKY"}, 9, 3}, 1},
        {"a line from the top row stops before it would leave the window", 0, a27 + "X", a27 + "|",
         {{"C>abcdefgh", "ijklmnopqr", "stuvwxyzA ", "          "}, 9, 2}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryConsole console(10, 4);
        if (c.promptRow > 0)
            console.Print("top");
        console.cursor = {0, c.promptRow};
        console.Print("C>");
        LineEditor editor(console, *console.QueryScreen());
        Press(editor, c.script);
        EXPECT_EQ(Marked(editor), c.line);
        EXPECT_EQ(console.Shot(), c.screen);
        EXPECT_EQ(console.beeps, c.beeps);
    }
}

TEST(LineEditor, CursorRightOfANarrowWindowStartsTheLineInTheLastColumn) {
    MemoryConsole console(14, 3);
    console.window = {0, 0, 9, 2};
    console.Print("C>");
    console.cursor = {12, 0};
    LineEditor editor(console, *console.QueryScreen());
    Press(editor, "ab");
    EXPECT_EQ(Marked(editor), "ab|");
    EXPECT_EQ(console.Shot(), (Screen{{"C>       a", "b         ", "          "}, 1, 1}));
}

}  // namespace
