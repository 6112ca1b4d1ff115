// Opening the files that redirections name.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Handles.h"

// How a redirection opens its file: "<" reads an existing file, ">" and "2>" create or empty it,
// ">>" and "2>>" create it or write at its end.
enum class RedirectMode { Input, Truncate, Append };

// Opens a file with an inheritable handle, so a started program can use it as a standard handle;
// throws CWindowsError when the file cannot be opened.
OwnedHandle OpenRedirectFile(const std::string& path, DWORD access, DWORD share, DWORD disposition);

// Opens a file in one of the redirection modes; in append mode the file pointer is moved to the end
// of a file of any size, and CWindowsError is thrown when it cannot be.
OwnedHandle OpenRedirectFile(const std::string& path, RedirectMode mode);

// Opens the file with the access and sharing of the mode but changes nothing in it: ">" creates a
// missing file and leaves an existing one whole. Throws CWindowsError as OpenRedirectFile does.
OwnedHandle TryRedirectFile(const std::string& path, RedirectMode mode);
