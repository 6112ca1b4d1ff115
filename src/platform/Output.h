// Writes to a handle: no buffering, nothing appended. The bytes are the shell's text in the ANSI code
// page and reach a file or a pipe unchanged; a console, whose byte calls would show them in its own
// code page, is given the characters they stand for.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// Writes the bytes of a zero-terminated text, up to the terminator.
void WriteText(HANDLE handle, const char* text);

// Writes every byte of the string by its length, zero bytes included.
void WriteString(HANDLE handle, const std::string& text);

// Writes the two bytes "\r\n".
void WriteNewline(HANDLE handle);

// Writes every byte of a built-in's output. Unlike the writes above, which carry messages and whose
// outcome does not matter, it throws CWindowsError when the write fails (a full disk, a handle
// without write access), so no output is lost in silence. A reader that has gone is no failure: what
// it did not take is dropped, as for a program writing into the pipe.
void WriteOutput(HANDLE handle, const std::string& text);

// WriteOutput of the line and "\r\n" after it, in one write.
void WriteOutputLine(HANDLE handle, const std::string& line);
