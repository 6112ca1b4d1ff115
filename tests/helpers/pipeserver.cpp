// Test helper: serves one connection of the named pipe given as its argument and copies what the
// client wrote to standard output; with no client it waits until it is ended.
#include <windows.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    HANDLE pipe = CreateNamedPipeA(argv[1], PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return 3;
    if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
        return 4;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0) {
        DWORD written = 0;
        if (!WriteFile(out, buffer, count, &written, nullptr))
            return 1;
    }
    CloseHandle(pipe);
    return 0;
}
