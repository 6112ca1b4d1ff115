// Test helper: writes N bytes to standard output, all equal to the optional second argument's first
// character ("x" by default).
#include <windows.h>

#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    unsigned long long remaining = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 0;
    const char fill = argc > 2 && argv[2][0] != '\0' ? argv[2][0] : 'x';
    std::vector<char> block(65536, fill);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    while (remaining > 0) {
        const DWORD chunk = remaining < block.size() ? static_cast<DWORD>(remaining) : static_cast<DWORD>(block.size());
        DWORD written = 0;
        if (!WriteFile(out, block.data(), chunk, &written, nullptr))
            return 1;
        remaining -= written;
    }
    return 0;
}
