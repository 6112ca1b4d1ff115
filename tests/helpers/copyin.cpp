// Test helper: copies standard input to standard output until the input ends.
#include <windows.h>

int main() {
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(in, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        DWORD written = 0;
        if (!WriteFile(out, buffer, count, &written, nullptr))
            return 1;
    }
    return 0;
}
