// Test helper: reads standard input to its end and prints how many bytes came.
#include <windows.h>

#include <string>
#include <vector>

int main() {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    std::vector<char> buffer(65536);
    unsigned long long total = 0;
    DWORD count = 0;
    while (ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &count, nullptr) && count > 0)
        total += count;
    const std::string text = std::to_string(total) + "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return 0;
}
