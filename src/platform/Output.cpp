// Output operations: one WriteFile each for messages, checked writes for a built-in's output.
#include "platform/Output.h"

#include <algorithm>
#include <cstring>

#include "platform/WindowsError.h"

namespace {

void WriteBytes(HANDLE handle, const char* bytes, std::size_t count) {
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

void WriteTooLong(HANDLE error, const char* what, std::size_t limit) {
    WriteString(error, std::string(what) + " too long - at most " + std::to_string(limit) + " characters");
    WriteNewline(error);
}

void WriteOutput(HANDLE handle, const std::string& bytes) {
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
