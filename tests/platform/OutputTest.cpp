// The output operations write exactly the bytes given, through any handle.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Handles.h"
#include "platform/Output.h"
#include "support/ProcessRun.h"

namespace {

// Runs the write against the write end of a fresh pipe and returns every byte that came through.
std::string Written(const std::function<void(HANDLE)>& write) {
    HANDLE read = nullptr;
    HANDLE writeEnd = nullptr;
    EXPECT_TRUE(CreatePipe(&read, &writeEnd, nullptr, 0));
    OwnedHandle readEnd(read);
    OwnedHandle writer(writeEnd);
    write(writer.Get());
    writer.Close();
    return ReadAll(readEnd.Get());
}

const std::string kWithZero("ab\0cd", 5);

TEST(Output, WritesExactlyTheBytesGiven) {
    struct Case {
        const char* name;
        std::function<void(HANDLE)> write;
        std::string expected;
    };
    const Case cases[] = {
        {"string with a zero byte", [](HANDLE h) { WriteString(h, kWithZero); }, kWithZero},
        {"text stops at its zero byte", [](HANDLE h) { WriteText(h, kWithZero.c_str()); }, "ab"},
        {"newline", [](HANDLE h) { WriteNewline(h); }, "\r\n"},
        {"empty string", [](HANDLE h) { WriteString(h, ""); }, ""},
        {"empty text", [](HANDLE h) { WriteText(h, ""); }, ""},
        {"line feed is not translated", [](HANDLE h) { WriteString(h, "a\nb"); }, "a\nb"},
        {"high bytes pass unchanged", [](HANDLE h) { WriteString(h, "\xE9\xFF"); }, "\xE9\xFF"},
        {"a long string in one write",
         [](HANDLE h) { WriteString(h, std::string(3000, 'z')); }, std::string(3000, 'z')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Written(c.write), c.expected);
    }
}

TEST(Output, WritingToAClosedReaderFailsSilently) {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 0));
    OwnedHandle reader(read);
    OwnedHandle writer(write);
    reader.Close();
    WriteString(writer.Get(), "nobody reads this");
    WriteNewline(writer.Get());
}

}  // namespace
