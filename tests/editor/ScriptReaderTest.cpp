// Script input: lines split at line feeds, echoed, and read no further than the line returned.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "editor/ScriptReader.h"
#include "platform/Output.h"
#include "platform/RedirectFile.h"
#include "support/TempDir.h"

namespace {

using Lines = std::vector<std::string>;

// Standard input as a script may find it: a disk file, or a pipe filled by a writer that may deliver
// the bytes in pieces, so that a line may be only partly there when the reader looks.
struct Input {
    const char* kind;
    std::function<void(TempDir&, const std::string&, const std::function<void(HANDLE)>&)> with;
};

void WithFile(TempDir& temp, const std::string& bytes, const std::function<void(HANDLE)>& use) {
    temp.Write("script.txt", bytes);
    OwnedHandle file = OpenRedirectFile(temp.File("script.txt"), RedirectMode::Input);
    use(file.Get());
}

void WithPipe(const std::string& bytes, std::size_t piece, const std::function<void(HANDLE)>& use) {
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 0));
    OwnedHandle reader(read);
    OwnedHandle writer(write);
    std::thread feeder([&] {
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            WriteString(writer.Get(), bytes.substr(at, piece));
            SwitchToThread();
        }
        writer.Close();
    });
    use(reader.Get());
    feeder.join();
}

const Input kInputs[] = {
    {"disk file", WithFile},
    {"pipe, all at once", [](TempDir&, const std::string& b, const auto& use) { WithPipe(b, 1 << 20, use); }},
    {"pipe, in pieces of 3 bytes", [](TempDir&, const std::string& b, const auto& use) { WithPipe(b, 3, use); }},
};

// Reads every line of the input, and what the reader echoed.
std::pair<Lines, std::string> ReadAllLines(const Input& input, const std::string& bytes) {
    TempDir temp;
    Lines lines;
    input.with(temp, bytes, [&](HANDLE handle) {
        OwnedHandle echo = OpenRedirectFile(temp.File("echo.txt"), RedirectMode::Truncate);
        ScriptReader reader(handle, echo.Get());
        while (std::optional<std::string> line = reader.ReadLine())
            lines.push_back(*line);
    });
    return {lines, temp.Read("echo.txt")};
}

TEST(ScriptReader, SplitsLinesAndEchoesThem) {
    const std::string longLine(10000, 'L');
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"one line", "exit\r\n", {"exit"}},
        {"bare line feeds", "a\nb\n", {"a", "b"}},
        {"last line without a line feed", "first\nlast", {"first", "last"}},
        {"empty lines", "\r\n\n", {"", ""}},
        {"carriage return inside a line stays", "mid\rcr\r\n", {"mid\rcr"}},
        {"carriage return without a line feed stays", "end\r", {"end\r"}},
        {"zero byte is ordinary", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        {"blanks are kept", "  x  \n", {"  x  "}},
        {"longer than one read", longLine + "\nnext\n", {longLine, "next"}},
        {"no input", "", {}},
    };
    for (const Input& input : kInputs) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(input.kind) + ": " + c.name);
            std::string echo;
            for (const std::string& line : c.lines)
                echo += line + "\r\n";
            echo += "\r\n";  // the end of input closes the last prompt's line
            EXPECT_EQ(ReadAllLines(input, c.bytes), std::make_pair(c.lines, echo));
        }
    }
}

TEST(ScriptReader, LeavesTheFollowingLinesUnread) {
    // What the script starts reads the rest, so the reader must not take more than its line.
    for (const Input& input : kInputs) {
        SCOPED_TRACE(input.kind);
        TempDir temp;
        input.with(temp, "first\r\nsecond\r\nthird", [&](HANDLE handle) {
            OwnedHandle echo = OpenRedirectFile(temp.File("echo.txt"), RedirectMode::Truncate);
            ScriptReader reader(handle, echo.Get());
            EXPECT_EQ(reader.ReadLine(), "first");
            std::string rest;
            char buffer[64];
            DWORD count = 0;
            while (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0)
                rest.append(buffer, count);
            EXPECT_EQ(rest, "second\r\nthird");
        });
    }
}

}  // namespace
