// Environment variables through the Win32 ANSI calls.
#include "platform/Environment.h"

#include <windows.h>

#include "platform/WindowsError.h"

std::string GetEnvVar(const char* name) {
    // The call reports the size it needs when the buffer is too small, so a long value (a PATH of
    // several kilobytes) is read whole rather than coming back empty.
    std::string value(1024, '\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
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

void DeleteEnvVar(const char* name) {
    if (!SetEnvironmentVariableA(name, nullptr))
        ThrowLastError();
}

void DeleteEnvVar(const std::string& name) {
    DeleteEnvVar(name.c_str());
}
