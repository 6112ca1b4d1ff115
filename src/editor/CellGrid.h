// The editor's copy of the screen rows that hold the line: cells in row-major order. Insertion,
// deletion and replacement shift cells along that order, so text flows from one row to the next.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ConsoleIo.h"

// Positions compare row first, then column.
bool Before(COORD a, COORD b);

// The position one cell on or back in linear order, in rows of the given width; not clamped.
COORD NextPosition(COORD position, SHORT width);
COORD PreviousPosition(COORD position, SHORT width);

class CellGrid {
public:
    COORD Size() const { return size_; }
    COORD Cursor() const { return cursor_; }
    int CellCount() const { return static_cast<int>(cells_.size()); }
    // A position's place in linear order, and back.
    int Index(COORD position) const { return position.Y * size_.X + position.X; }
    COORD PositionAt(int index) const {
        return COORD{static_cast<SHORT>(index % size_.X), static_cast<SHORT>(index / size_.X)};
    }

    // Keeps the leading cells in linear order (they flow into new rows if the width changes) and
    // fills the rest; then clamps the cursor.
    void Resize(COORD size, CHAR_INFO fill);

    // Pulls each coordinate of the cursor inside the grid on its own; true if one had to change.
    bool Clamp();

    // These report true when the cursor needed no clamping. Because each coordinate is clamped on its
    // own, stepping forward from the last cell lands on the first cell of the last row, and stepping
    // back from the first cell on the last cell of the first row.
    bool SetCursor(COORD position);
    bool StepForward();
    bool StepBack();
    bool StepDown();

    CHAR_INFO CellAt(COORD position, int offset) const;

    // The cells from the cursor on move one place toward the end; the last cell's content is lost.
    void InsertAtCursor(CHAR_INFO cell);
    // The cells after the cursor move one place toward the start; the last cell keeps its content.
    void DeleteAtCursor();
    void PutAtCursor(CHAR_INFO cell);

    // Puts the characters of the text in place of the cells from a up to b, moving the cells behind
    // them; returns how many places they moved toward the end (negative: toward the start). Cells
    // pushed past the end are dropped; cells uncovered at the end repeat the last cell. The written
    // cells keep their attributes. The caller keeps the text inside the grid.
    int ReplaceRange(COORD a, COORD b, const std::string& text);

    // The characters of the cells from a up to (not including) b; empty when b is not after a.
    std::string Text(COORD a, COORD b) const;

    // Transfers all cells between the grid and the screen, grid row 0 at the origin.
    void ReadFromScreen(ConsoleScreen& console, COORD origin);
    void WriteToScreen(ConsoleScreen& console, COORD origin) const;

private:
    CHAR_INFO& At(COORD position) { return cells_[Index(position)]; }
    // The region handed to the console: one column and one row larger than the grid, since the
    // console transfers no more cells than the buffer's size.
    SMALL_RECT ScreenRegion(COORD origin) const;

    std::vector<CHAR_INFO> cells_;
    COORD size_{0, 0};
    COORD cursor_{0, 0};
};
