// The output operations write exactly the bytes given, through any handle.
#include <gtest/gtest.h>

#include <functional>

#include "platform/Handles.h"
#include "platform/Output.h"
#include "platform/Pipe.h"
#include "platform/RedirectFile.h"
#include "platform/WindowsError.h"
#include "support/FullDevice.h"
#include "support/ProcessRun.h"
#include "support/TempDir.h"

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
        {"a built-in's line keeps its ANSI bytes", [](HANDLE h) { WriteOutputLine(h, "Z\xFCrich"); }, "Z\xFCrich\r\n"},
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
    WriteOutputLine(writer.Get(), "nor this");
}

// A built-in's output line that cannot be written raises the system's error; a line that can is
// written whole with its line end.
TEST(Output, AnOutputLineThatCannotBeWrittenRaises) {
    TempDir temp;
    temp.Write("readonly.txt", "");
    Pipe pipe = Pipe::Create();
    struct Case {
        const char* name;
        HANDLE handle;
        std::uint32_t code;  // 0: written
    };
    // Without the full device its row has no handle and is left out.
    OwnedHandle full = OpenFullDevice();
    OwnedHandle readOnly = OpenRedirectFile(temp.File("readonly.txt"), RedirectMode::Input);
    OwnedHandle written = OpenRedirectFile(temp.File("written.txt"), RedirectMode::Truncate);
    const Case cases[] = {
        {"a full disk", full.Get(), ERROR_DISK_FULL},
        {"a file opened for reading", readOnly.Get(), ERROR_ACCESS_DENIED},
        {"the read end of a pipe", pipe.ReadEnd(), ERROR_ACCESS_DENIED},
        {"a file", written.Get(), 0},
    };
    for (const Case& c : cases) {
        if (!c.handle)
            continue;
        SCOPED_TRACE(c.name);
        std::uint32_t code = 0;
        try {
            WriteOutputLine(c.handle, "line");
        } catch (const CWindowsError& error) {
            code = error.code;
        }
        EXPECT_EQ(code, c.code);
    }
    written.Close();
    EXPECT_EQ(temp.Read("written.txt"), "line\r\n");
    if (!full.Get())
        GTEST_SKIP() << kNoFullDevice;
}

}  // namespace
