// The console as the line editor sees it, in two narrow halves (the screen for the editor, input for
// the read loop), so the editor runs against the real console or against an in-memory one in tests.
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

// What the editor works on: the screen buffer, its cells and its cursor, and the beep.
class ConsoleScreen {
public:
    virtual ~ConsoleScreen() = default;

    // None when the screen buffer cannot be queried.
    virtual std::optional<ScreenInfo> QueryScreen() = 0;

    // Block transfers between the screen and a buffer of `size` cells read from its origin (0, 0). The
    // region is inclusive; the console transfers no more than the buffer holds, and nothing outside the
    // screen buffer. A failure leaves the buffer or the screen as it was.
    virtual void ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) = 0;
    virtual void WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) = 0;

    // Moves the cells of the rectangle so its top-left corner lands on the destination, and fills
    // what the move uncovered with the fill cell.
    virtual void Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) = 0;

    virtual void SetCursor(COORD position) = 0;

    // A simple beep.
    virtual void Beep() = 0;
};

// What the read loop works on besides the screen: the input events, the input mode, the trace.
class ConsoleInput {
public:
    virtual ~ConsoleInput() = default;

    // Waits for the next input event; false when the console cannot be read.
    virtual bool ReadInput(INPUT_RECORD& event) = 0;

    // None when the input handle is not a console.
    virtual std::optional<DWORD> InputMode() = 0;
    virtual void SetInputMode(DWORD mode) = 0;

    // Text for a debugger, if one listens.
    virtual void Trace(const std::string& text) = 0;
};

// The whole console, both halves: what the real console and the in-memory one offer.
class ConsoleIo : public ConsoleInput, public ConsoleScreen {};
