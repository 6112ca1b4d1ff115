// Scrolling the window by one row.
#include "editor/WindowScroll.h"

void ScrollWindowUp(ConsoleIo& console, SMALL_RECT window, CHAR_INFO fill) {
    const SMALL_RECT below = {window.Left, static_cast<SHORT>(window.Top + 1), window.Right, window.Bottom};
    console.Scroll(below, COORD{window.Left, window.Top}, fill);
}
