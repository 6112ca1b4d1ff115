// Test helper: prints the console input mode it finds (hexadecimal), then sets the mode given as its
// optional argument (hexadecimal) and leaves it so, as a program that dies in raw mode does.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (!GetConsoleMode(input, &mode)) {
        std::printf("no console\n");
        return 1;
    }
    std::printf("0x%lx\n", mode);
    if (argc > 1 && !SetConsoleMode(input, std::strtoul(argv[1], nullptr, 16)))
        return 1;
    return 0;
}
