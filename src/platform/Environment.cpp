// Environment variables through the Win32 ANSI calls.
#include "platform/Environment.h"

#include <windows.h>

#include <cstring>

#include "platform/GrowingBuffer.h"
#include "platform/WindowsError.h"

std::string GetEnvVar(const char* name) {
    // A long value (a PATH of several kilobytes) is read whole rather than coming back empty.
    return ReadGrowing([name](char* buffer, std::uint32_t size) { return GetEnvironmentVariableA(name, buffer, size); });
}

std::string GetEnvVar(const std::string& name) {
    return GetEnvVar(name.c_str());
}

void SetEnvVar(const std::string& name, const std::string& value) {
    if (!SetEnvironmentVariableA(name.c_str(), value.c_str()))
        ThrowLastError();
}

void SetEnvVarUnchecked(const std::string& name, const std::string& value) {
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

std::optional<std::string> ExpandEnvVars(const std::string& text) {
    bool cut = false;
    std::string expanded = ReadGrowing([&text, &cut](char* buffer, std::uint32_t size) -> std::uint32_t {
        // The count includes the zero byte, both when the result fits and as the size it asks for.
        const DWORD count = ExpandEnvironmentStringsA(text.c_str(), buffer, size);
        if (count == 0)
            ThrowLastError();
        if (count > size)
            return count;
        // Wine reports the whole result's size but writes at most 32,766 characters of it.
        const std::size_t written = strnlen(buffer, count);
        cut = written + 1 < count;
        return static_cast<std::uint32_t>(written);
    });
    if (cut)
        return std::nullopt;
    return expanded;
}

void DeleteEnvVar(const char* name) {
    if (!SetEnvironmentVariableA(name, nullptr))
        ThrowLastError();
}

void DeleteEnvVar(const std::string& name) {
    DeleteEnvVar(name.c_str());
}
