// The current directory through the Win32 ANSI calls.
#include "platform/CurrentDir.h"

#include <windows.h>

#include "platform/WindowsError.h"

std::string GetCurrentDir() {
    // A too small buffer makes the call report the size it needs; a failure (a directory reached by
    // relative steps beyond the path limit) reports zero and leaves the text empty, never stale bytes.
    std::string path(1024, '\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(path.size()), path.data());
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

void SetCurrentDir(const char* path) {
    if (!SetCurrentDirectoryA(path))
        ThrowLastError();
}

void SetCurrentDir(const std::string& path) {
    SetCurrentDir(path.c_str());
}
