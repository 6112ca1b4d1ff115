// Benchmark program: what a typed key and a pasted run of keys cost the real shell on a console of its own.
//   keytime KEYS RUNS [SHELL]
//                       RUNS times: one key typed alone, waited for, KEYS times over (then Enter), and
//                       KEYS keys queued at once as a paste (then Enter); prints the median and the
//                       best seconds of a single key, and the best seconds of the whole paste; the
//                       shell is the tarvik.exe beside this program unless another is named
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ConsoleDriver.h"
#include "support/TestPaths.h"

namespace {

// The shell has taken every key it was given and moved the cursor to the cell behind the last one:
// polled without sleeping, as a key costs well under the driver's usual poll interval.
void WaitForCursor(const CConsoleDriver& shell, COORD expected) {
    const ULONGLONG deadline = GetTickCount64() + CConsoleDriver::kWaitMs;
    while (true) {
        const COORD cursor = shell.Info().dwCursorPosition;
        if (cursor.X == expected.X && cursor.Y == expected.Y && shell.PendingInput() == 0)
            return;
        if (GetTickCount64() > deadline) {
            throw std::runtime_error("the cursor stands at (" + std::to_string(cursor.X) + ", " +
                                     std::to_string(cursor.Y) + "), not behind the keys typed");
        }
        Sleep(0);
    }
}

// The shell waits for a line: every key read, the cursor behind a prompt.
bool WaitForPrompt(const CConsoleDriver& shell) {
    return CConsoleDriver::WaitUntil([&] {
        const COORD cursor = shell.Info().dwCursorPosition;
        const std::string row = shell.Rows(cursor.Y, cursor.Y).at(0);
        return shell.PendingInput() == 0 && !row.empty() && row.back() == '>' &&
               cursor.X == static_cast<SHORT>(row.size());
    });
}

// Where the cursor stands once `count` characters follow the start on a screen of the given width.
COORD After(COORD start, int count, SHORT width) {
    const int cell = start.X + count;
    return COORD{static_cast<SHORT>(cell % width), static_cast<SHORT>(start.Y + cell / width)};
}

double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / frequency.QuadPart;
}

// Types Enter and waits for the next prompt; the line is not a command, so its output is one message.
void EndLine(CConsoleDriver& shell) {
    shell.Type("{Enter}");
    if (!WaitForPrompt(shell))
        throw std::runtime_error("no prompt after a line");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4 || std::atoi(argv[1]) < 1 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: keytime KEYS RUNS [SHELL]\n");
        return 2;
    }
    try {
        const int keys = std::atoi(argv[1]);
        const int runs = std::atoi(argv[2]);
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        // A screen buffer tall enough that neither the line nor the runs' messages leave it: the window
        // follows the cursor down, and the figures stay those of typing.
        CConsoleDriver shell(argc == 4 ? '"' + std::string(argv[3]) + '"' : QuotedBinPath("tarvik.exe"), folder, COORD{80, 1000});
        if (!WaitForPrompt(shell))
            throw std::runtime_error("no prompt");
        const SHORT width = shell.Info().dwSize.X;
        const std::string paste(static_cast<std::size_t>(keys), 'k');
        std::vector<double> single;
        double pasted = 1e9;
        for (int run = 0; run < runs; ++run) {
            COORD start = shell.Info().dwCursorPosition;
            for (int key = 1; key <= keys; ++key) {
                const double began = Now();
                shell.Type("k");
                WaitForCursor(shell, After(start, key, width));
                single.push_back(Now() - began);
            }
            EndLine(shell);
            start = shell.Info().dwCursorPosition;
            const double began = Now();
            shell.Type(paste);
            WaitForCursor(shell, After(start, keys, width));
            pasted = std::min(pasted, Now() - began);
            EndLine(shell);
        }
        std::sort(single.begin(), single.end());
        std::printf("%.6f %.6f %.6f\n", single[single.size() / 2], single.front(), pasted);
        shell.Type("exit{Enter}");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "keytime: %s\n", error.what());
        return 1;
    }
    return 0;
}
