// Test helper: writes N bytes of short text lines ("line 12345 of words\r\n" and so on) to standard
// output, the last one cut where the count ends.
#include <windows.h>

#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    unsigned long long remaining = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 0;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    std::string block;
    for (unsigned long long line = 0; remaining > 0; ++line) {
        block += "line " + std::to_string(line) + " of\twords  \r\n";
        if (block.size() < 65536 && block.size() < remaining)
            continue;
        const DWORD count = static_cast<DWORD>(block.size() < remaining ? block.size() : remaining);
        DWORD written = 0;
        if (!WriteFile(out, block.data(), count, &written, nullptr))
            return 1;
        remaining -= count;
        block.clear();
    }
    return 0;
}
