// Moving the window, or the buffer's contents, by one row.
#include "editor/WindowScroll.h"

int ShowRowBelowWindow(ConsoleScreen& console, SMALL_RECT& window, COORD bufferSize, CHAR_INFO fill) {
    if (window.Bottom < bufferSize.Y - 1) {
        ++window.Top;
        ++window.Bottom;
        // A cursor placed just below the window makes the window follow it by exactly that row, as
        // output does; the editor shows its own cursor again afterwards.
        console.SetCursor(COORD{window.Left, window.Bottom});
        return 0;
    }
    // A scroll rather than a line feed written at the last row, as output would move the buffer:
    // Wine's console takes several times as long to settle after the line feed (bench/enter.sh).
    const SMALL_RECT below = {0, 1, static_cast<SHORT>(bufferSize.X - 1), static_cast<SHORT>(bufferSize.Y - 1)};
    console.Scroll(below, COORD{0, 0}, fill);
    return 1;
}
