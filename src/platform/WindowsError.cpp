// CWindowsError and the lookup of system message texts.
#include "platform/WindowsError.h"

#include <windows.h>

#include <utility>

CWindowsError::CWindowsError(std::uint32_t errorCode, std::string errorContext)
    : code(errorCode), context(std::move(errorContext)) {}

std::string CWindowsError::Text() const {
    return context + FormatSystemMessage(code);
}

std::string FormatSystemMessage(std::uint32_t code) {
    // Inserts are ignored: some messages (code 193 among them) hold "%1", and without the flag the
    // system either refuses them or reads arguments that were never passed.
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS;
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                                        reinterpret_cast<char*>(&buffer), 0, nullptr);
    if (buffer == nullptr)
        return {};
    std::string text(buffer, length);
    LocalFree(buffer);
    return text;
}

void ThrowLastError() {
    throw CWindowsError(GetLastError(), kWindowsErrorContext);
}
