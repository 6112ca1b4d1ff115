// The one exception type for failed platform calls, and the system's own message texts.
#pragma once

#include <cstdint>
#include <string>

// Context printed in front of the system message by every general wrapper.
inline constexpr const char* kWindowsErrorContext = "Windows Error : ";

// A failed platform call: its Win32 error code and a text naming where it failed. Thrown by value,
// caught by reference; deliberately outside the standard exception hierarchy.
class CWindowsError {
public:
    CWindowsError(std::uint32_t errorCode, std::string errorContext);

    // The context followed directly by the system's message, whose own line end is kept.
    std::string Text() const;

    std::uint32_t code;
    std::string context;
};

// The system's message text for a Win32 error code, unchanged; empty when the system has none.
std::string FormatSystemMessage(std::uint32_t code);

// Throws CWindowsError with the calling thread's last error and the general context. Call it right
// after the failed platform call, before anything else can change the last error.
[[noreturn]] void ThrowLastError();
