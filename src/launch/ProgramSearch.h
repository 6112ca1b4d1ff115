// Finding the file of a program by name, through the search path and the PATHEXT extensions.
#pragma once

#include <string>

// The full path of the program file, tried once per PATHEXT entry in order (".COM;.EXE;.BAT" when
// PATHEXT is unset or empty); entries are used exactly as written, and an empty entry tries the bare
// name. A name that already ends in an extension is searched as typed in every trial; when none finds
// it and the name holds a dot, each non-empty entry is then appended to the whole name, in order.
// Empty when no trial finds a file.
std::string FindProgram(const std::string& name);

// The text from the last "." to the end, dot included, looking at the whole text (directories too);
// empty when there is no ".".
std::string FileExtension(const std::string& name);
