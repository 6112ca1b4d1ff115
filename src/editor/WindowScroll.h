// Scrolling the console window's contents when the line needs a row below it.
#pragma once

#include "platform/ConsoleIo.h"

// Moves the rows of the window up by one between its columns, dropping its top row (nothing moves
// into the screen buffer above the window), and fills its bottom row with the fill cell.
void ScrollWindowUp(ConsoleIo& console, SMALL_RECT window, CHAR_INFO fill);
