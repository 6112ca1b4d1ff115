// The current directory through the Win32 ANSI calls.
#include "platform/CurrentDir.h"

#include <windows.h>

#include "platform/GrowingBuffer.h"
#include "platform/WindowsError.h"

std::string GetCurrentDir() {
    // A failure (a directory reached by relative steps beyond the path limit) leaves the text
    // empty, never stale bytes.
    return ReadGrowing([](char* buffer, std::uint32_t size) { return GetCurrentDirectoryA(size, buffer); });
}

void SetCurrentDir(const char* path) {
    if (!SetCurrentDirectoryA(path))
        ThrowLastError();
}

void SetCurrentDir(const std::string& path) {
    SetCurrentDir(path.c_str());
}
