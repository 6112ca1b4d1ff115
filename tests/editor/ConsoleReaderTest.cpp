// The console read loop: lines returned at Enter, the trace of every event, mouse events, the input
// mode around the read, and the end of a console that can no longer be read.
#include <gtest/gtest.h>

#include "editor/ConsoleReader.h"
#include "support/MemoryConsole.h"

namespace {

constexpr DWORD kCookedMode = 0x1F7;

INPUT_RECORD Event(WORD type) {
    INPUT_RECORD event{};
    event.EventType = type;
    return event;
}

INPUT_RECORD Mouse(SHORT x, SHORT y) {
    INPUT_RECORD event = Event(MOUSE_EVENT);
    event.Event.MouseEvent.dwMousePosition = {x, y};
    return event;
}

TEST(ConsoleReader, ReturnsTheLineAtEnterAndGoesBelowIt) {
    struct Case {
        const char* script;
        std::optional<std::string> line;
        Screen screen;
    };
    const Case cases[] = {
        {"dir{Enter}", "dir", {{"C:\\>dir   ", "          "}, 0, 1}},
        {"{Enter}", "", {{"C:\\>      ", "          "}, 0, 1}},
        {"a{Left}{Enter}", "a", {{"C:\\>a     ", "          "}, 0, 1}},
        {"dir", std::nullopt, {{"C:\\>dir   ", "          "}, 7, 0}},  // the input ran dry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        MemoryConsole console(10, 2);
        console.Print("C:\\>");
        console.Type(c.script);
        EXPECT_EQ(ConsoleReader(console).ReadLine(), c.line);
        EXPECT_EQ(console.Shot(), c.screen);
        EXPECT_EQ(console.modesSet, (std::vector<DWORD>{ENABLE_WINDOW_INPUT, kCookedMode}));
    }
}

// Each read starts in insert mode, and ends in the mode the console had when the reader was made,
// also after a program left the console raw.
TEST(ConsoleReader, InsertModeIsFreshEachReadAndTheUserModeComesBack) {
    MemoryConsole console(10, 3);
    ConsoleReader reader(console);
    console.Type("{Ins}a{Enter}b{Home}c{Enter}");
    EXPECT_EQ(reader.ReadLine(), "a");
    console.mode = ENABLE_WINDOW_INPUT;
    EXPECT_EQ(reader.ReadLine(), "cb");
    EXPECT_EQ(console.mode, kCookedMode);
}

TEST(ConsoleReader, TracesEveryEvent) {
    MemoryConsole console(10, 2);
    console.Queue(Event(FOCUS_EVENT));
    console.Type("a{Enter}");
    EXPECT_EQ(ConsoleReader(console).ReadLine(), "a");
    // The release of "a" is traced too; Enter ends the read before its release comes.
    const std::string key = " ---------- 1\n";
    EXPECT_EQ(console.traces, (std::vector<std::string>{" ---------- 16\n", key, key, key}));
}

TEST(ConsoleReader, MouseMovesOnlyTheConsoleCursor) {
    MemoryConsole console(10, 4);
    console.Type("ab");
    console.Queue(Mouse(7, 3));
    EXPECT_EQ(ConsoleReader(console).ReadLine(), std::nullopt);
    EXPECT_EQ(console.Shot(), (Screen{{"ab        ", "          ", "          ", "          "}, 7, 3}));

    // The next key edits at the line's own position again.
    console.cursor = {0, 1};
    console.Type("ab");
    console.Queue(Mouse(7, 3));
    console.Type("c{Enter}");
    EXPECT_EQ(ConsoleReader(console).ReadLine(), "abc");
}

TEST(ConsoleReader, EndsWhenTheScreenCannotBeQueried) {
    MemoryConsole console(10, 2);
    console.queryFails = true;
    console.Type("a{Enter}");
    EXPECT_EQ(ConsoleReader(console).ReadLine(), std::nullopt);
    EXPECT_EQ(console.input.size(), 4u);
    EXPECT_EQ(console.mode, kCookedMode);
}

}  // namespace
