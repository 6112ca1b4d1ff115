// Test helper: proves that it ran by appending its command line to marker.ran in the current folder,
// so a test can tell that a line ran nothing by that file's absence.
#include <windows.h>

#include <string>

int main() {
    const HANDLE file = CreateFileA("marker.ran", FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const std::string line = std::string(GetCommandLineA()) + "\r\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
