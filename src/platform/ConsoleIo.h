// The console as the line editor sees it: one narrow interface, so the editor runs against the real
// console or against an in-memory one in tests.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// What a screen-buffer query gives the editor.
struct ScreenInfo {
    SMALL_RECT window;  // inclusive, in screen-buffer coordinates
    WORD attribute;     // the attribute new text is written with
    COORD cursor;
    COORD bufferSize;   // columns and rows of the whole screen buffer, the window's rows among them
};

class ConsoleIo {
public:
    virtual ~ConsoleIo() = default;

    // Waits for the next input event; false when the console cannot be read.
    virtual bool ReadInput(INPUT_RECORD& event) = 0;

    // None when the screen buffer cannot be queried.
    virtual std::optional<ScreenInfo> QueryScreen() = 0;

    // Block transfers between the screen and a buffer of `size` cells read from its origin (0, 0). The
    // region is inclusive; the console transfers no more than the buffer holds, and nothing outside the
    // screen buffer. A failure leaves the buffer or the screen as it was.
    virtual void ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) = 0;
    virtual void WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) = 0;

    // Writes a line feed at the cursor as output does: the cursor goes to column 0 of the next row.
    // At the buffer's last row the whole buffer moves up a row instead, its last row comes up blank
    // in the current attribute, and the window stays.
    virtual void WriteLineFeed() = 0;

    virtual void SetCursor(COORD position) = 0;

    // None when the input handle is not a console.
    virtual std::optional<DWORD> InputMode() = 0;
    virtual void SetInputMode(DWORD mode) = 0;

    // A simple beep.
    virtual void Beep() = 0;

    // Text for a debugger, if one listens.
    virtual void Trace(const std::string& text) = 0;
};
