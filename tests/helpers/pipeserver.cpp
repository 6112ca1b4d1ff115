// Test helper: serves one connection of the named pipe given as its argument and copies what the
// client wrote to standard output; with no client it waits until it is ended.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    HANDLE pipe = CreateNamedPipeA(argv[1], PIPE_ACCESS_INBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 4096, 0, nullptr);
    if (pipe == INVALID_HANDLE_VALUE)
        return 3;
    if (!ConnectNamedPipe(pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
        return 4;
    std::string served;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &count, nullptr) && count > 0)
        served.append(buffer, count);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), served.data(), static_cast<DWORD>(served.size()), &written, nullptr);
    CloseHandle(pipe);
    return 0;
}
