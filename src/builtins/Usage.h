// Usage errors of the built-in commands, written to their error handle.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// "Too many parameters - " naming the surplus word, then a line end.
void WriteTooManyParameters(HANDLE error, const std::string& surplus);

// "Syntax error", then a line end.
void WriteSyntaxError(HANDLE error);

// Reads the next word; when there is one, names it in "Too many parameters - " and answers false.
// Later words are not looked at, and an empty pair of quotes counts as no word.
bool NoMoreArguments(HANDLE error, const std::string& text, std::size_t& cursor);
