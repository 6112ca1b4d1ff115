// Moving the window, or the buffer's contents, by one row.
#include "editor/WindowScroll.h"

int ShowRowBelowWindow(ConsoleIo& console, SMALL_RECT& window, SHORT bufferRows) {
    if (window.Bottom < bufferRows - 1) {
        ++window.Top;
        ++window.Bottom;
        // A cursor placed just below the window makes the window follow it by exactly that row, as
        // output does; the editor shows its own cursor again afterwards.
        console.SetCursor(COORD{window.Left, window.Bottom});
        return 0;
    }
    // The console moves a full buffer for a line feed far faster than a scroll of the whole buffer
    // moves it (a buffer of 9,001 rows under Wine).
    console.SetCursor(COORD{0, window.Bottom});
    console.WriteLineFeed();
    return 1;
}
