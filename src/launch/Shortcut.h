// Following a shell shortcut (.LNK) to the file it points to.
#pragma once

#include <string>

// The target path stored in the shortcut file, read through the shell-link object; empty when the
// file cannot be loaded as a shortcut or holds no file-system target. Raises nothing. Needs the
// component object system initialised on the calling thread.
std::string ResolveShortcut(const std::string& path);
