// Benchmark helper: what the platform does at best for a job the shell does, with nothing around it.
//   floor spawn N COMMAND        starts COMMAND N times, waiting for each (N = 0: start-up alone)
//   floor pipe WRITER READER     joins two commands with one pipe of the default size, waits for both
//   floor read CHUNK COMMAND     reads COMMAND's output from a pipe in CHUNK-byte reads, prints the count
//   floor list PATTERN RUNS      lists the names matching PATTERN RUNS times; prints their count and the
//                                best seconds of one listing
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

HANDLE Start(const char* command, HANDLE input, HANDLE output) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    std::string line = command;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s: %lu\n", command, GetLastError());
        std::exit(1);
    }
    CloseHandle(info.hThread);
    return info.hProcess;
}

void Finish(HANDLE process) {
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}

// Starts the writer with its output into a new pipe of the default size and returns the pipe's read
// end, which the writer does not inherit, as the shell keeps it.
HANDLE StartWriter(const char* command, HANDLE input, HANDLE& writer) {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    CreatePipe(&read, &write, &attributes, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    writer = Start(command, input, write);
    CloseHandle(write);
    return read;
}

// Counts the names matching the pattern, looking at each no further than the listing hands it over.
unsigned long List(const char* pattern) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern, &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    unsigned long count = 0;
    do
        ++count;
    while (FindNextFileA(find, &found));
    FindClose(find);
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (mode == "spawn" && argc == 4) {
        for (long count = std::strtol(argv[2], nullptr, 10); count > 0; --count)
            Finish(Start(argv[3], in, out));
        return 0;
    }
    if (mode == "pipe" && argc == 4) {
        HANDLE writer = nullptr;
        HANDLE read = StartWriter(argv[2], in, writer);
        SetHandleInformation(read, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
        HANDLE reader = Start(argv[3], read, out);
        CloseHandle(read);
        Finish(writer);
        Finish(reader);
        return 0;
    }
    if (mode == "read" && argc == 4) {
        HANDLE writer = nullptr;
        HANDLE read = StartWriter(argv[3], in, writer);
        std::vector<char> chunk(std::strtoul(argv[2], nullptr, 10));
        unsigned long long total = 0;
        DWORD count = 0;
        while (ReadFile(read, chunk.data(), static_cast<DWORD>(chunk.size()), &count, nullptr) && count > 0)
            total += count;
        Finish(writer);
        std::printf("%llu\n", total);
        return 0;
    }
    if (mode == "list" && argc == 4) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        double best = 1e9;
        unsigned long count = 0;
        for (long runs = std::strtol(argv[3], nullptr, 10); runs > 0; --runs) {
            LARGE_INTEGER start;
            LARGE_INTEGER end;
            QueryPerformanceCounter(&start);
            count = List(argv[2]);
            QueryPerformanceCounter(&end);
            best = std::min(best, static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart);
        }
        std::printf("%lu %.6f\n", count, best);
        return 0;
    }
    std::fprintf(stderr,
                 "usage: floor spawn N COMMAND | pipe WRITER READER | read CHUNK COMMAND | list PATTERN RUNS\n");
    return 2;
}
