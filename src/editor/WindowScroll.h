// Bringing the screen buffer's row below the window into view when the line needs it.
#pragma once

#include "platform/ConsoleIo.h"

// Shows the row below the window the way console output does. Where the screen buffer has rows below
// the window, the window follows the console cursor down one row (the rectangle is moved with it) and
// no cell changes. Where the window's bottom row is the buffer's last row (always so when the buffer
// is exactly the window), the whole buffer moves up one row: only its first row is lost, and its
// last row is filled with the fill cell. Returns how many rows the buffer's contents moved up: 0 or 1.
int ShowRowBelowWindow(ConsoleScreen& console, SMALL_RECT& window, COORD bufferSize, CHAR_INFO fill);
