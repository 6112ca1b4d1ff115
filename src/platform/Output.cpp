// Output operations: one WriteFile each, whose outcome the shell does not examine.
#include "platform/Output.h"

#include <cstring>

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
