// Benchmark program: what moving a full screen buffer up one row costs the console itself, by a line
// feed written at its last row and by a scroll of the whole buffer, on a console of its own.
//   buffermove ROWS COUNT   prints the mean seconds of one line feed and of one scroll, over COUNT
//                           of each, on a buffer 80 columns wide and ROWS high
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "support/ConsoleDriver.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

constexpr DWORD kIdleMs = 5;

// The mean of one move, each followed by a pause and a query of the buffer: Wine's console does much
// of the work a change causes later, once idle (it redraws what changed), and the query waits for it.
// The pause and the query alone are taken off.
template <typename Move>
double MeanSeconds(HANDLE output, int count, Move move) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    CONSOLE_SCREEN_BUFFER_INFO info;
    const auto timed = [&](auto step) {
        QueryPerformanceCounter(&start);
        for (int n = 0; n < count; ++n) {
            step();
            Sleep(kIdleMs);
            GetConsoleScreenBufferInfo(output, &info);
        }
        QueryPerformanceCounter(&end);
        return static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / count;
    };
    const double idle = timed([] {});
    return timed(move) - idle;
}

// On the console of its own: both moves timed, the figures written to the file.
int Measure(int count, const char* resultFile) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output, &info))
        return 1;
    const COORD lastRow{0, static_cast<SHORT>(info.dwSize.Y - 1)};
    const double lineFeed = MeanSeconds(output, count, [&] {
        SetConsoleCursorPosition(output, lastRow);
        DWORD written = 0;
        WriteConsoleA(output, "\n", 1, &written, nullptr);
    });
    const SMALL_RECT below{0, 1, static_cast<SHORT>(info.dwSize.X - 1), lastRow.Y};
    CHAR_INFO fill{};
    fill.Char.AsciiChar = ' ';
    fill.Attributes = info.wAttributes;
    const double scroll = MeanSeconds(output, count,
                                      [&] { ScrollConsoleScreenBufferA(output, &below, nullptr, COORD{0, 0}, &fill); });
    std::ofstream(resultFile) << lineFeed << ' ' << scroll << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--measure")
        return Measure(std::atoi(argv[2]), argv[3]);
    if (argc != 3 || std::atoi(argv[1]) < 2 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: buffermove ROWS COUNT\n");
        return 2;
    }
    TempDir temp;
    const std::string result = temp.File("result.txt");
    {
        CConsoleDriver child(QuotedBinPath("buffermove.exe") + " --measure " + argv[2] + " \"" + result + "\"", "",
                             COORD{80, static_cast<SHORT>(std::atoi(argv[1]))});
        if (child.WaitForExit(600000) != 0u) {
            std::fprintf(stderr, "buffermove: the measurement failed\n");
            return 1;
        }
    }
    std::string lineFeed, scroll;
    std::ifstream(result) >> lineFeed >> scroll;
    std::printf("%s %s\n", lineFeed.c_str(), scroll.c_str());
    return 0;
}
