// The cell grid: clamped cursor steps, resizing in linear order, shifting cells, text out of cells.
#include <gtest/gtest.h>

#include <functional>

#include "editor/CellGrid.h"
#include "editor/WindowScroll.h"
#include "support/MemoryConsole.h"

namespace {

using Rows = std::vector<std::string>;

CHAR_INFO Fill(char character) {
    CHAR_INFO cell{};
    cell.Char.AsciiChar = character;
    return cell;
}

// A grid as wide as the rows, read from a console that shows them.
CellGrid GridOf(const Rows& rows, COORD cursor = {0, 0}) {
    MemoryConsole console(static_cast<SHORT>(rows[0].size()), static_cast<SHORT>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        console.cursor = {0, static_cast<SHORT>(y)};
        console.Print(rows[y]);
    }
    CellGrid grid;
    grid.Resize(console.bufferSize, Fill(' '));
    grid.ReadFromScreen(console, {0, 0});
    grid.SetCursor(cursor);
    return grid;
}

Rows RowsOf(const CellGrid& grid) {
    MemoryConsole console(grid.Size().X, grid.Size().Y);
    grid.WriteToScreen(console, {0, 0});
    return console.Shot().rows;
}

TEST(CellGrid, StepsAndClampsEachCoordinate) {
    struct Case {
        const char* name;
        COORD size;
        COORD from;
        std::function<bool(CellGrid&)> step;
        bool inside;
        COORD to;
    };
    const auto forward = [](CellGrid& g) { return g.StepForward(); };
    const auto back = [](CellGrid& g) { return g.StepBack(); };
    const Case cases[] = {
        {"forward past the last cell lands on its row's start", {80, 1}, {79, 0}, forward, false, {0, 0}},
        {"forward wraps to the next row", {80, 2}, {79, 0}, forward, true, {0, 1}},
        {"back past the first cell lands on its row's end", {80, 1}, {0, 0}, back, false, {79, 0}},
        {"back wraps to the row above", {80, 2}, {0, 1}, back, true, {79, 0}},
        {"down from the last row stays", {80, 2}, {5, 1}, [](CellGrid& g) { return g.StepDown(); }, false, {5, 1}},
        {"a position outside is clamped", {80, 2}, {0, 0}, [](CellGrid& g) { return g.SetCursor({90, -3}); }, false, {79, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid;
        grid.Resize(c.size, Fill(' '));
        grid.SetCursor(c.from);
        EXPECT_EQ(c.step(grid), c.inside);
        EXPECT_EQ(grid.Cursor().X, c.to.X);
        EXPECT_EQ(grid.Cursor().Y, c.to.Y);
    }
}

TEST(CellGrid, ResizeKeepsCellsInLinearOrder) {
    CellGrid grid = GridOf({"0123456789"}, {7, 0});
    grid.Resize({10, 2}, Fill('.'));
    EXPECT_EQ(RowsOf(grid), (Rows{"0123456789", ".........."}));
    EXPECT_EQ(grid.Cursor().X, 7);
    grid.Resize({4, 3}, Fill('.'));
    EXPECT_EQ(RowsOf(grid), (Rows{"0123", "4567", "89.."}));
}

TEST(CellGrid, ShiftsCellsAcrossRows) {
    // The last cell holds "Z" so that what happens to it shows.
    const Rows before = {"0123456789", "ab       Z"};
    struct Case {
        const char* name;
        std::function<int(CellGrid&)> change;
        int shift;
        Rows after;
    };
    const Case cases[] = {
        {"insert flows into the next row and drops the last cell",
         [](CellGrid& g) { g.SetCursor({5, 0}); g.InsertAtCursor(Fill('X')); return 0; }, 0, {"01234X5678", "9ab       "}},
        {"insert at the last cell replaces it",
         [](CellGrid& g) { g.SetCursor({9, 1}); g.InsertAtCursor(Fill('X')); return 0; }, 0, {"0123456789", "ab       X"}},
        {"delete keeps the last cell",
         [](CellGrid& g) { g.SetCursor({3, 0}); g.DeleteAtCursor(); return 0; }, 0, {"012456789a", "b       ZZ"}},
        {"put replaces one cell",
         [](CellGrid& g) { g.SetCursor({9, 0}); g.PutAtCursor(Fill('P')); return 0; }, 0, {"012345678P", "ab       Z"}},
        {"replacing two cells by four moves the rest on",
         [](CellGrid& g) { return g.ReplaceRange({3, 0}, {5, 0}, "wxyz"); }, 2, {"012wxyz567", "89ab      "}},
        {"replacing two cells by one moves the rest back and repeats the last cell",
         [](CellGrid& g) { return g.ReplaceRange({3, 0}, {5, 0}, "w"); }, -1, {"012w56789a", "b       ZZ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CellGrid grid = GridOf(before);
        EXPECT_EQ(c.change(grid), c.shift);
        EXPECT_EQ(RowsOf(grid), c.after);
    }
}

TEST(CellGrid, TextRunsAcrossRows) {
    const CellGrid grid = GridOf({"0123456789", "abcdefghij"});
    EXPECT_EQ(grid.Text({8, 0}, {2, 1}), "89ab");
    EXPECT_EQ(grid.Text({5, 0}, {5, 0}), "");
    EXPECT_EQ(grid.Text({2, 1}, {8, 0}), "");
}

// Below the window the window moves and no cell changes; at the buffer's last row the whole buffer
// moves up and only its first row goes.
TEST(ShowRowBelowWindow, MovesTheWindowUntilTheBufferEnds) {
    MemoryConsole console(4, 4);
    for (SHORT y = 0; y < 4; ++y) {
        console.cursor = {0, y};
        console.Print(std::string(4, static_cast<char>('0' + y)));
    }
    console.window = {0, 1, 3, 2};
    SMALL_RECT window = console.window;
    EXPECT_EQ(ShowRowBelowWindow(console, window, console.bufferSize, Fill('.')), 0);
    EXPECT_EQ(console.window.Top, 2);
    EXPECT_EQ(window.Top, 2);
    EXPECT_EQ(ShowRowBelowWindow(console, window, console.bufferSize, Fill('.')), 1);
    EXPECT_EQ(console.window.Top, 2);
    console.window = {0, 0, 3, 3};
    EXPECT_EQ(console.Shot().rows, (Rows{"1111", "2222", "3333", "...."}));
}

}  // namespace
