// An in-memory console for editor tests: a screen buffer of cells with a window that follows the
// cursor, and a text attribute; a queue of input events it replays; a record of traces, beeps and
// input modes set.
#pragma once

#include <windows.h>

#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ConsoleIo.h"
#include "support/KeyScript.h"

// Rows of the screen as text, and the console cursor: its column counted from the window's left
// edge, its row from the first row shown.
struct Screen {
    std::vector<std::string> rows;
    int x;
    int y;
    bool operator==(const Screen&) const = default;
};
void PrintTo(const Screen& screen, std::ostream* out);

class MemoryConsole : public ConsoleIo {
public:
    // A blank screen buffer of the given size; the window covers all of it (set `window` for a buffer
    // with rows above or below the window).
    MemoryConsole(SHORT width, SHORT height);

    // Writes text at the cursor and moves the cursor behind it, as a prompt is written.
    void Print(std::string_view text);
    void Type(std::string_view script);
    void Queue(INPUT_RECORD event) { input.push_back(event); }
    // What the window shows; the whole buffer, with the cursor's row counted from the buffer's top.
    Screen Shot() const;
    Screen BufferShot() const;

    bool ReadInput(INPUT_RECORD& event) override;
    std::optional<ScreenInfo> QueryScreen() override;
    void ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) override;
    void WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) override;
    void Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) override;
    // A position outside the buffer fails and changes nothing.
    void SetCursor(COORD position) override;
    std::optional<DWORD> InputMode() override { return mode; }
    void SetInputMode(DWORD newMode) override;
    void Beep() override { ++beeps; }
    void Trace(const std::string& text) override { traces.push_back(text); }

    COORD bufferSize;
    std::vector<CHAR_INFO> cells;
    SMALL_RECT window;
    COORD cursor{0, 0};
    WORD attribute = 0x07;
    std::deque<INPUT_RECORD> input;  // when it runs dry, the console can no longer be read
    bool queryFails = false;
    DWORD mode = 0x1F7;  // the cooked mode a console starts in
    std::vector<DWORD> modesSet;
    std::vector<std::string> traces;
    int beeps = 0;

private:
    Screen Rows(SHORT top, SHORT bottom, int cursorRow) const;
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < bufferSize.X && y < bufferSize.Y; }
    CHAR_INFO& At(int x, int y) { return cells[y * bufferSize.X + x]; }
};
