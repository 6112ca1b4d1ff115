// Benchmark program: how long Enter takes at the prompt of the real shell on a console of its own,
// with the line in the middle of a buffer that still has rows below the window, and on the last row
// of a full buffer, where every Enter moves the whole buffer up.
//   entertime ROWS ENTERS [SHELL]   prints the seconds ENTERS presses of Enter take in each of the two
//                                   cases; SHELL is tarvik.exe beside this program unless given
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/ConsoleDriver.h"
#include "support/TestPaths.h"

namespace {

// Every key typed has been read once nothing is pending: the shell reads the last Enter's release
// only after it has shown the next prompt.
double SecondsToRead(CConsoleDriver& shell, const std::string& script) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    shell.Type(script);
    while (shell.PendingInput() != 0)
        Sleep(1);
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart;
}

// Enter pressed the given number of times, all typed at once; the seconds until the shell has read
// them all.
double SecondsOfEnters(CConsoleDriver& shell, int enters) {
    std::string script;
    for (int n = 0; n < enters; ++n)
        script += "{Enter}";
    return SecondsToRead(shell, script);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || std::atoi(argv[1]) < 100 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: entertime ROWS ENTERS [SHELL]   (ROWS at least 100)\n");
        return 2;
    }
    const auto rows = static_cast<SHORT>(std::atoi(argv[1]));
    const int enters = std::atoi(argv[2]);
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string program = argc == 4 ? "\"" + std::string(argv[3]) + "\"" : QuotedBinPath("tarvik.exe");
    CConsoleDriver shell(program, folder, COORD{80, rows});
    if (!CConsoleDriver::WaitUntil([&] { return shell.Info().dwCursorPosition.Y > 0; })) {
        std::fprintf(stderr, "entertime: no prompt\n");
        return 1;
    }
    const double middle = SecondsOfEnters(shell, enters);
    // Short lines of output, more than the buffer has rows, leave the prompt on its last row.
    SecondsToRead(shell, QuotedBinPath("writelines.exe") + " " + std::to_string(rows * 30) + "{Enter}");
    if (shell.Info().dwCursorPosition.Y != rows - 1) {
        std::fprintf(stderr, "entertime: the buffer did not fill\n");
        return 1;
    }
    const double full = SecondsOfEnters(shell, enters);
    std::printf("%.6f %.6f\n", middle, full);
    // The next run starts on a quiet machine only once this shell and its console are gone.
    shell.Type("exit{Enter}");
    return shell.WaitForExit() ? 0 : 1;
}
