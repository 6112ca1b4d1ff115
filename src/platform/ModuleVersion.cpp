// Version information through GetFileVersionInfoA and VerQueryValueA.
#include "platform/ModuleVersion.h"

#include <windows.h>

#include <vector>

#include "platform/GrowingBuffer.h"

std::string ModuleFilePath() {
    // The call cuts the path to the buffer's size when it does not fit.
    return ReadGrowing(
        [](char* buffer, std::uint32_t size) { return GetModuleFileNameA(GetModuleHandleA(nullptr), buffer, size); });
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
