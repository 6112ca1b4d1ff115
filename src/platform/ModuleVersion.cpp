// Version information through GetFileVersionInfoA and VerQueryValueA.
#include "platform/ModuleVersion.h"

#include <windows.h>

#include <vector>

std::string ModuleFilePath() {
    std::string path(1024, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(GetModuleHandleA(nullptr), path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        // The call truncates silently when the buffer is full; try again with more room.
        path.resize(path.size() * 2);
    }
}

std::optional<std::string> FileVersionText(const std::string& path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path.c_str(), handle, size, block.data()))
        return std::nullopt;
    char* text = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), "\\StringFileInfo\\0c0904b0\\FileVersion", reinterpret_cast<void**>(&text),
                        &length) ||
        text == nullptr)
        return std::nullopt;
    return std::string(text);
}
