// Raw writes to a handle: no buffering, no translation, nothing appended.
#pragma once

#include <windows.h>

#include <string>

// Writes the bytes of a zero-terminated text, up to the terminator.
void WriteText(HANDLE handle, const char* text);

// Writes every byte of the string by its length, zero bytes included.
void WriteString(HANDLE handle, const std::string& text);

// Writes the two bytes "\r\n".
void WriteNewline(HANDLE handle);
