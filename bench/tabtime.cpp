// Benchmark program: how long Tab takes in the line editor, through the real read loop on an in-memory
// console.
//   tabtime WORD RUNS   types WORD, Tab, Tab and Enter RUNS times; prints the best seconds of the first
//                       Tab and of the second, then the line read
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/ConsoleReader.h"
#include "support/MemoryConsole.h"

namespace {

// Notes when each event is asked for: from one read to the next, the editor was busy with the event
// the first read returned. Timing each key alone keeps a Tab of microseconds from drowning in the
// noise of a line that took a long listing before it.
class TimedConsole : public MemoryConsole {
public:
    TimedConsole() : MemoryConsole(200, 50) {}

    bool ReadInput(INPUT_RECORD& event) override {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        reads.push_back(now.QuadPart);
        return MemoryConsole::ReadInput(event);
    }

    std::vector<long long> reads;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1) {
        std::fprintf(stderr, "usage: tabtime WORD RUNS\n");
        return 2;
    }
    const std::string word = argv[1];
    const int runs = std::atoi(argv[2]);
    // Each key queues a press and a release: the first Tab is pressed right after the word's events.
    const std::size_t firstTab = KeyEvents(word).size();
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const auto seconds = [&](long long ticks) { return static_cast<double>(ticks) / frequency.QuadPart; };

    double first = 1e9;
    double later = 1e9;
    std::string line;
    for (int run = 0; run < runs; ++run) {
        TimedConsole console;
        console.Print("C:\\>");
        console.Type(word + "{Tab}{Tab}{Enter}");
        const std::optional<std::string> read = ConsoleReader(console).ReadLine();
        if (!read || console.reads.size() < firstTab + 4) {
            std::fprintf(stderr, "tabtime: the line did not end at Enter\n");
            return 1;
        }
        first = std::min(first, seconds(console.reads[firstTab + 1] - console.reads[firstTab]));
        later = std::min(later, seconds(console.reads[firstTab + 3] - console.reads[firstTab + 2]));
        line = *read;
    }
    std::printf("%.9f %.9f %s\n", first, later, line.c_str());
    return 0;
}
