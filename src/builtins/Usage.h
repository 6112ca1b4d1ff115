// The check every built-in makes of words it does not take.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Reads the next word; when there is one, names it in "Too many parameters - " and answers false.
// Later words are not looked at, and an empty pair of quotes counts as no word.
bool NoMoreArguments(HANDLE error, const std::string& text, std::size_t& cursor);
