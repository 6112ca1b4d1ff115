// The editing state of one console read: the line lives in the cells of the screen rows that hold
// it, from just behind the prompt (start) up to one past its last character (end).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "editor/CellGrid.h"
#include "platform/ConsoleIo.h"

// The cells of a word on the line: from a up to (not including) b; a = b is an empty word.
struct WordBounds {
    COORD a;
    COORD b;
};

class LineEditor {
public:
    // Takes the screen row of the console cursor into the grid; the line starts at the cursor. The
    // grid is as wide as the window and shown from column 0 of the screen buffer, so a cursor right of
    // the window (a buffer wider than its window) starts the line in the grid's last column.
    LineEditor(ConsoleScreen& console, const ScreenInfo& screen);

    // Acts on one key press by its virtual-key code alone; false when it was Enter, which ends the line.
    bool PressKey(WORD virtualKey, char character);

    // The word at or just before the cursor. A word is a run of non-blank cells; one that opens with a
    // double quote runs on over blanks to a double quote followed by a blank, or to the cursor. A
    // cursor with blanks on both sides stands on an empty word.
    WordBounds FindWordBounds() const;
    // Puts the text in place of the cells from a up to b and the cursor behind it. When the line
    // would then run past the grid, the grid grows by rows first, as typing makes it; false, with
    // nothing changed, when the window cannot hold that many.
    bool ReplaceWord(COORD a, COORD b, const std::string& text);

    void Beep();

    const CellGrid& Grid() const { return grid_; }
    COORD Start() const { return start_; }
    COORD End() const { return end_; }
    std::string Line() const { return grid_.Text(start_, end_); }

private:
    void MoveTo(COORD position);
    void MoveLeft();
    void MoveRight();
    void InsertChar(char character);
    void OverwriteChar(char character);
    void DeleteChar();
    // Puts the console cursor at column 0 of the row below the line, bringing that row into view if
    // it is below the window. No line break is written.
    void Finish();

    // Adds a row at the bottom of the grid, bringing the row below the window into view when the new
    // row would not be shown; false when the grid cannot grow: it is as high as the window, or it
    // would leave the window at the top.
    bool GrowByRow();
    // Shows the grid on the screen.
    void Redraw();
    // Before a character is stored at the position: grows the grid when the position is its last
    // cell; false, with a beep, when the grid cannot grow.
    bool MakeRoomAt(COORD position);
    // After a character was stored at the cursor: step on, and end with it.
    void Advance();
    // Where grid row 0, now `top` rows below the window's top row, is shown relative to the window
    // once the grid grows by one row to the given height; none when the window cannot show that
    // many rows.
    std::optional<int> TopAfterGrowth(int top, int height) const;
    // Brings the row below the window into view (ShowRowBelowWindow), keeping the origin row on the
    // buffer row that holds grid row 0.
    void BringRowBelowIntoView();
    bool CanGrowTo(int height) const;
    char CharAt(COORD position, int offset = 0) const;
    void ShowCursor();
    CHAR_INFO CellOf(char character) const;

    ConsoleScreen& console_;
    // As the console shows it once the cursor stands on the line, moved down a row whenever the line
    // brings the row below it into view; a resize during the read is not noticed.
    SMALL_RECT window_;
    COORD bufferSize_;
    CHAR_INFO blank_;
    CellGrid grid_;
    int originRow_;  // the screen row of grid row 0
    COORD start_;
    COORD end_;
    bool insertMode_ = true;
};
