// Test helper: sleeps for the number of milliseconds given as its first argument. With a second
// argument "noctrlc" it ignores Ctrl+C, as a server or a detached program may, and ends early once it
// is the last program on its console, so that it never outlives the test that started it.
#include <windows.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const DWORD total = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 0;
    if (argc < 3 || std::strcmp(argv[2], "noctrlc") != 0) {
        Sleep(total);
        return 0;
    }
    SetConsoleCtrlHandler(nullptr, TRUE);
    const DWORD start = GetTickCount();
    DWORD processes[2];
    while (GetTickCount() - start < total && GetConsoleProcessList(processes, 2) > 1)
        Sleep(50);
    return 0;
}
