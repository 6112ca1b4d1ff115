// Key scripts for console tests: typed text with the editing keys named in braces.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// Key-down and key-up events for a key script. Characters type themselves; names in braces are keys:
// {Enter} {Left} {Right} {Up} {Down} {Home} {End} {Back} {Del} {Ins} {Esc} {F1} {Tab} {Shift},
// {CtrlC} and {CtrlH} (letter codes with control characters), {Accent} (a letter above ASCII).
std::vector<INPUT_RECORD> KeyEvents(std::string_view script);
