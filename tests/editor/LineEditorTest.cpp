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

// A window 10 wide and 4 high, with the given rows of the screen buffer above and below it. The rows
// above the prompt are marked, so that a row moved or lost shows; the screen is the whole buffer.
TEST(LineEditor, ScreenRowsWrapGrowAndScroll) {
    const std::string a27 = "abcdefghijklmnopqrstuvwxyzA";
    const std::string blank(10, ' ');
    struct Case {
        const char* name;
        SHORT above;
        SHORT below;
        SHORT promptRow;
        std::string script;
        std::string line;
        Screen buffer;
        SHORT windowTop;
        int beeps;
    };
    const Case cases[] = {
        {"the line wraps; Enter mid-line goes below the line", 0, 0, 0, "abcdefghij{Home}{Enter}", "|abcdefghij",
         {{"C>abcdefgh", "ij        ", blank, blank}, 0, 2}, 0, 0},
        {"typing into the bottom row's last column scrolls", 0, 0, 3, "abcdefgh", "abcdefgh|",
         {{"r1        ", "r2        ", "C>abcdefgh", blank}, 0, 3}, 0, 0},
        {"so does typing there one row above the bottom", 0, 0, 2, "abcdefgh", "abcdefgh|",
         {{"r1        ", "C>abcdefgh", blank, blank}, 0, 2}, 0, 0},
        {"Enter on the bottom row scrolls", 0, 0, 3, "ab{Enter}", "ab|",
         {{"r1        ", "r2        ", "C>ab      ", blank}, 0, 3}, 0, 0},
        {"insert at a full row grows the grid and keeps the last character", 0, 0, 0, "abcdefg{Home}xy", "xy|abcdefg",
         {{"C>xyabcdef", "g         ", blank, blank}, 4, 0}, 0, 0},
        {"deleting back into one row leaves a blank row; Enter goes on it", 0, 0, 0,
         "abcdefghij{Back}{Back}{Back}{Enter}", "abcdefg|", {{"C>abcdefg ", blank, blank, blank}, 0, 1}, 0, 0},
        {"a line filling the window keeps the cursor on the last cell, where insert and overwrite beep", 0, 0, 3,
         a27 + "BCDEFGHIJKX{Ins}Y", "abcdefghijklmnopqrstuvwxyzABCDEFGHIJK|",
         {{"C>abcdefgh", "ijklmnopqr", "stuvwxyzAB", "CDEFGHIJK "}, 9, 3}, 0, 2},
        {"a line from the top row stops before it would leave the window", 0, 0, 0, a27 + "X", a27 + "|",
         {{"C>abcdefgh", "ijklmnopqr", "stuvwxyzA ", blank}, 9, 2}, 0, 1},
        {"with rows below the window, the window moves down a row and every row stays", 0, 2, 3, "abcdefgh",
         "abcdefgh|", {{"r0        ", "r1        ", "r2        ", "C>abcdefgh", blank, blank}, 0, 4}, 1, 0},
        {"so does Enter on the window's bottom row", 0, 2, 3, "ab{Enter}", "ab|",
         {{"r0        ", "r1        ", "r2        ", "C>ab      ", blank, blank}, 0, 4}, 1, 0},
        {"a line filling the window takes the rows below it", 0, 8, 3, a27 + "BCDEFGHIJKX{Ins}Y",
         "abcdefghijklmnopqrstuvwxyzABCDEFGHIJK|",
         {{"r0        ", "r1        ", "r2        ", "C>abcdefgh", "ijklmnopqr", "stuvwxyzAB", "CDEFGHIJK ", blank,
           blank, blank, blank, blank},
          9, 6},
         3, 2},
        {"at the buffer's last row the whole buffer moves up and only its first row goes", 2, 0, 5, "abcdefgh",
         "abcdefgh|", {{"r1        ", "r2        ", "r3        ", "r4        ", "C>abcdefgh", blank}, 0, 5}, 2, 0},
        {"a window scrolled up from a full buffer's last row: the buffer moves for a new row", 0, 2, 5, "abcdefgh",
         "abcdefgh|", {{"r1        ", "r2        ", "r3        ", "r4        ", "C>abcdefgh", blank}, 0, 5}, 2, 0},
        {"and for Enter", 0, 2, 5, "ab{Enter}", "ab|",
         {{"r1        ", "r2        ", "r3        ", "r4        ", "C>ab      ", blank}, 0, 5}, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryConsole console(10, static_cast<SHORT>(c.above + 4 + c.below));
        console.window = {0, c.above, 9, static_cast<SHORT>(c.above + 3)};
        for (SHORT row = 0; row < c.promptRow; ++row) {
            console.cursor = {0, row};
            console.Print("r" + std::to_string(row));
        }
        console.cursor = {0, c.promptRow};
        console.Print("C>");
        LineEditor editor(console, *console.QueryScreen());
        Press(editor, c.script);
        EXPECT_EQ(Marked(editor), c.line);
        EXPECT_EQ(console.BufferShot(), c.buffer);
        EXPECT_EQ(console.window.Top, c.windowTop);
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
