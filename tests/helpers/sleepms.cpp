// Test helper: sleeps for the number of milliseconds given as its argument.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    Sleep(argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 0);
    return 0;
}
