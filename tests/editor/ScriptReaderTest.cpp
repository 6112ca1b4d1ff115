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

// The bytes of UTF-16 LE text, as Windows tools write it.
std::string Utf16(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text)
        bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

struct Read {
    Lines lines;
    std::string echo;
    std::string error;
    int status;
    bool operator==(const Read&) const = default;
};

// Reads every line of the input, and what the reader echoed and reported.
Read ReadAllLines(const Input& input, const std::string& bytes) {
    TempDir temp;
    Lines lines;
    int status = -1;
    input.with(temp, bytes, [&](HANDLE handle) {
        OwnedHandle echo = OpenRedirectFile(temp.File("echo.txt"), RedirectMode::Truncate);
        OwnedHandle error = OpenRedirectFile(temp.File("error.txt"), RedirectMode::Truncate);
        ScriptReader reader(handle, echo.Get(), error.Get());
        while (std::optional<std::string> line = reader.ReadLine())
            lines.push_back(*line);
        status = reader.EndStatus();
    });
    return {lines, temp.Read("echo.txt"), temp.Read("error.txt"), status};
}

TEST(ScriptReader, SplitsLinesAndEchoesThem) {
    const std::string longLine(10000, 'L');
    struct Case {
        const char* name;
        std::string bytes;
        Lines lines;
        std::string error = {};
    };
    const std::string refused = "Script input refused at line ";
    const std::string zeroByte = "a zero byte in the line (UTF-16 text needs its byte order mark)\r\n";
    const Case cases[] = {
        {"one line", "exit\r\n", {"exit"}},
        {"bare line feeds", "a\nb\n", {"a", "b"}},
        {"last line without a line feed", "first\nlast", {"first", "last"}},
        {"empty lines", "\r\n\n", {"", ""}},
        {"carriage return inside a line stays", "mid\rcr\r\n", {"mid\rcr"}},
        {"carriage returns before the line feed go", "set A=1\r\r\nnext\r\r", {"set A=1", "next"}},
        {"UTF-8 mark skipped, text converted", "\xEF\xBB\xBFset A=caf\xC3\xA9 \xE2\x82\xAC\r\nx\n", {"set A=caf\xE9 \x80", "x"}},
        {"UTF-16 LE converted", Utf16(u"\uFEFFset A=caf\u00E9\r\r\n\u20AC\n\nlast"), {"set A=caf\xE9", "\x80", "", "last"}},
        {"UTF-16 LE, a mark alone", Utf16(u"\uFEFF"), {""}},
        {"UTF-16 BE refused", std::string("\xFE\xFF\0e\0x\0\n", 8), {},
         refused + "1: big-endian UTF-16 cannot be read; save the script as UTF-8 or UTF-16 LE\r\n"},
        {"UTF-8 that is not", "\xEF\xBB\xBFok\n\xC3(\nnever\n", {"ok"}, refused + "2: not valid UTF-8\r\n"},
        {"a character outside the ANSI code page", Utf16(u"\uFEFFok\r\n\u4E2D\r\nnever\r\n"), {"ok"},
         refused + "2: a character has no equivalent in the ANSI code page (1252)\r\n"},
        {"no look-alike for a character", Utf16(u"\uFEFFdel \u0100\n"), {}, refused + "1: a character has no equivalent in the ANSI code page (1252)\r\n"},
        {"UTF-16 cut in half", Utf16(u"\uFEFFok\n") + "x", {"ok"}, refused + "2: not valid UTF-16 (an odd number of bytes)\r\n"},
        {"a zero byte refuses the line", std::string("ok\na\0b\n", 7), {"ok"}, refused + "2: " + zeroByte},
        {"UTF-16 LE without its mark", Utf16(u"printargs one\r\n"), {}, refused + "1: " + zeroByte},
        {"a zero character in UTF-16", Utf16(std::u16string(u"\uFEFFa\0b\n", 5)), {}, refused + "1: a zero character in the line\r\n"},
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
            EXPECT_EQ(ReadAllLines(input, c.bytes), (Read{c.lines, echo, c.error, c.error.empty() ? 0 : 1}));
        }
    }
}

TEST(ScriptReader, LeavesTheFollowingLinesUnread) {
    // What the script starts reads the rest, so the reader must not take more than its line.
    const std::pair<std::string, std::string> scripts[] = {
        {"first\r\nsecond\r\nthird", "second\r\nthird"},
        {"\xEF\xBB\xBF" "first\nsecond", "second"},
        {Utf16(u"\uFEFFfirst\r\nsecond"), Utf16(u"second")},
    };
    for (const Input& input : kInputs) {
        for (const auto& [bytes, rest] : scripts) {
            SCOPED_TRACE(std::string(input.kind) + ": " + rest.substr(0, 2));
            TempDir temp;
            input.with(temp, bytes, [&](HANDLE handle) {
                OwnedHandle echo = OpenRedirectFile(temp.File("echo.txt"), RedirectMode::Truncate);
                ScriptReader reader(handle, echo.Get(), nullptr);
                EXPECT_EQ(reader.ReadLine(), "first");
                std::string unread;
                char buffer[64];
                DWORD count = 0;
                while (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0)
                    unread.append(buffer, count);
                EXPECT_EQ(unread, rest);
            });
        }
    }
}

}  // namespace
