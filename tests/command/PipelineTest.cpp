// Splitting lines at "|" and joining stages with pipes: wiring, wait flags, and every handle released.
#include <gtest/gtest.h>

#include "command/Pipeline.h"
#include "platform/Output.h"
#include "platform/WindowsError.h"

namespace {

TEST(Pipeline, SplitStages) {
    struct Case {
        std::string line;
        std::vector<std::string_view> stages;
    };
    const Case cases[] = {
        {"", {""}},
        {"a b", {"a b"}},
        {"a | b  |  c d", {"a", "b", "c d"}},
        {"  a | b  ", {"  a", "b  "}},
        {"| b", {"", "b"}},
        {"a |", {"a", ""}},
        {"|", {"", ""}},
        {"a=|=b", {"a", "b"}},
        {"a \"|\" b", {"a", "b"}},
        {"a|b \"a|b\" ||", {"a|b \"a|b\" ||"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(SplitStages(c.line), c.stages);
    }
}

// Reads what waits in a pipe without blocking; true when its writers are all gone as well.
bool DrainToEnd(HANDLE read, std::string& text) {
    DWORD available = 0;
    while (PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
        std::string chunk(available, '\0');
        DWORD count = 0;
        ReadFile(read, chunk.data(), available, &count, nullptr);
        text.append(chunk, 0, count);
    }
    return !PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr) && GetLastError() == ERROR_BROKEN_PIPE;
}

// The test's ends of a pipeline: its input holds "<" and is closed, its output and error are read
// back once the pipeline has run.
struct TestEnds {
    Pipe in = Pipe::Create();
    Pipe out = Pipe::Create();
    Pipe err = Pipe::Create();

    StageHandles HandOver() {
        WriteText(in.WriteEnd(), "<");
        in.TakeWriteEnd().Close();
        return StageHandles(in.TakeReadEnd().Release(), out.TakeWriteEnd().Release(), err.TakeWriteEnd().Release());
    }
    static std::string Drained(Pipe& pipe) {
        std::string text;
        EXPECT_TRUE(DrainToEnd(pipe.ReadEnd(), text)) << "a write end is still open";
        return text;
    }
};

// Each stage passes on its input (which must have reached its end) with its own text appended,
// writes its text to the error handle, and notes its wait flag.
struct EchoStages {
    std::string waits;
    void operator()(StageHandles handles, const std::string& text, bool wait) {
        std::string data;
        EXPECT_TRUE(DrainToEnd(handles.Input(), data)) << text << ": input not at its end";
        WriteString(handles.Output(), data + text);
        WriteString(handles.Error(), text);
        waits += wait ? 'W' : '-';
    }
};

TEST(Pipeline, StagesAreJoinedInOrderAndOnlyTheLastIsWaitedFor) {
    struct Case {
        std::string line;
        std::string out;
        std::string err;
        std::string waits;
    };
    const Case cases[] = {
        {"a | b | c", "<abc", "abc", "--W"},
        {"| b", "<b", "b", "-W"},
        {"a |", "<a", "a", "-W"},
        {"a", "<a", "a", "W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        TestEnds ends;
        EchoStages stages;
        RunPipeline(ends.HandOver(), c.line, true, std::ref(stages));
        EXPECT_EQ(TestEnds::Drained(ends.out), c.out);
        EXPECT_EQ(TestEnds::Drained(ends.err), c.err);
        EXPECT_EQ(stages.waits, c.waits);
    }
}

TEST(Pipeline, APipeThatCannotBeMadeLeavesNoHandleBehind) {
    TestEnds ends;
    OwnedHandle firstWriteEnd;
    int made = 0;
    const PipeMaker failSecond = [&]() {
        if (made++ == 1)
            throw CWindowsError(ERROR_NO_SYSTEM_RESOURCES, kWindowsErrorContext);
        Pipe pipe = Pipe::Create();
        HANDLE copy = nullptr;
        DuplicateHandle(GetCurrentProcess(), pipe.WriteEnd(), GetCurrentProcess(), &copy, 0, FALSE, DUPLICATE_SAME_ACCESS);
        firstWriteEnd = OwnedHandle(copy);
        return pipe;
    };
    EchoStages stages;
    EXPECT_THROW(RunPipeline(ends.HandOver(), "a | b | c", true, std::ref(stages), failSecond), CWindowsError);
    EXPECT_EQ(stages.waits, "-");
    // The read end meant for the second stage is gone, so the first stage's writes fail at once
    // instead of filling the pipe and waiting for good.
    DWORD written = 0;
    EXPECT_FALSE(WriteFile(firstWriteEnd.Get(), "x", 1, &written, nullptr));
    EXPECT_EQ(TestEnds::Drained(ends.out), "");
    EXPECT_EQ(TestEnds::Drained(ends.err), "a");
}

}  // namespace
