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
    // A line feed lets the console move the buffer as it does for output, with no rectangle to copy
    // through: under Wine no dearer than a scroll of the whole buffer, and mostly cheaper.
    console.SetCursor(COORD{0, window.Bottom});
    console.WriteLineFeed();
    return 1;
}
