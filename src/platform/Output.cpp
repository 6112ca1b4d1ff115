// Output operations: one write each for messages, checked writes for a built-in's output; text for a
// console converted from the ANSI code page.
#include "platform/Output.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/CodePage.h"
#include "platform/Console.h"
#include "platform/WindowsError.h"

namespace {

// A console shows the bytes of WriteFile in its own (OEM) code page, where an ANSI byte above 0x7F
// stands for another character than the one the file system means: text for a console is converted
// and goes through the wide call. None for a file or a pipe, whose readers expect the bytes as they are.
std::optional<std::wstring> ConsoleText(HANDLE handle, std::string_view bytes) {
    if (!IsConsole(handle))
        return std::nullopt;
    return ToWide(CP_ACP, 0, bytes);
}

// Writes all of the text to a console; false when the console refuses it. Older consoles fail a
// single write of more than some 64 KiB, so it goes in pieces, never splitting a surrogate pair.
bool WriteToConsole(HANDLE handle, std::wstring_view text) {
    constexpr std::size_t kPiece = 8192;
    while (!text.empty()) {
        std::size_t count = std::min(text.size(), kPiece);
        if (count < text.size() && IS_HIGH_SURROGATE(text[count - 1]))
            --count;
        DWORD written = 0;
        if (!WriteConsoleW(handle, text.data(), static_cast<DWORD>(count), &written, nullptr))
            return false;
        if (written == 0)
            return true;
        text.remove_prefix(written);
    }
    return true;
}

void WriteBytes(HANDLE handle, const char* bytes, std::size_t count) {
    if (const std::optional<std::wstring> text = ConsoleText(handle, std::string_view(bytes, count))) {
        WriteToConsole(handle, *text);
        return;
    }
    DWORD written = 0;
    WriteFile(handle, bytes, static_cast<DWORD>(count), &written, nullptr);
}

}  // namespace

void WriteText(HANDLE handle, const char* text) {
    WriteBytes(handle, text, std::strlen(text));
}

void WriteString(HANDLE handle, const std::string& text) {
    WriteBytes(handle, text.data(), text.size());
}

void WriteNewline(HANDLE handle) {
    WriteBytes(handle, "\r\n", 2);
}

void WriteOutput(HANDLE handle, const std::string& bytes) {
    if (const std::optional<std::wstring> text = ConsoleText(handle, bytes)) {
        if (!WriteToConsole(handle, *text))
            ThrowLastError();
        return;
    }
    // A file near the end of its disk takes part of a write before it refuses the rest.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD count = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!WriteFile(handle, bytes.data() + done, count, &written, nullptr)) {
            const DWORD code = GetLastError();
            if (code == ERROR_BROKEN_PIPE || code == ERROR_NO_DATA)
                return;
            throw CWindowsError(code, kWindowsErrorContext);
        }
        // Nothing taken and nothing refused: no later attempt would fare better.
        if (written == 0)
            return;
        done += written;
    }
}

void WriteOutputLine(HANDLE handle, const std::string& line) {
    WriteOutput(handle, line + "\r\n");
}
