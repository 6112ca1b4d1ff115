// Test helper: exits with the code given as its argument, any 32-bit value in decimal or 0x-hex
// (4294967295 and -1 give the same code).
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2)
        return 0;
    ExitProcess(static_cast<UINT>(std::strtoll(argv[1], nullptr, 0)));
}
