// Splitting standard input into lines without reading ahead of the line returned.
#include "editor/ScriptReader.h"

#include <cstring>

#include "editor/LineEnd.h"
#include "platform/Output.h"
#include "platform/StreamRead.h"

namespace {

// How many of the bytes belong to the current line: up to and including the first line feed, or
// all of them when there is none.
std::uint32_t UpToLineFeed(const char* bytes, std::uint32_t count) {
    const void* feed = std::memchr(bytes, '\n', count);
    return feed ? static_cast<std::uint32_t>(static_cast<const char*>(feed) - bytes + 1) : count;
}

}  // namespace

ScriptReader::ScriptReader(HANDLE input, HANDLE echo) : input_(input), echo_(echo), diskFile_(IsDiskFile(input)) {}

std::optional<std::string> ScriptReader::ReadLine() {
    std::string line;
    if (!ReadRawLine(line)) {
        // The end of input closes the prompt's line, as Enter would have done.
        WriteNewline(echo_);
        return std::nullopt;
    }
    DropLineEnd(line);
    WriteString(echo_, line);
    WriteNewline(echo_);
    return line;
}

bool ScriptReader::ReadRawLine(std::string& line) {
    // A disk file is read in blocks and its position moved back to just past the line feed. A pipe
    // is first looked into, so that exactly the bytes up to the line feed are taken out of it. Any
    // other input (a console, a device, a pipe that cannot be looked into) is read byte by byte.
    char buffer[4096];
    for (;;) {
        std::uint32_t limit = 1;
        if (diskFile_) {
            limit = sizeof buffer;
        } else if (std::optional<std::uint32_t> waiting = PeekPipe(input_, buffer, sizeof buffer); waiting && *waiting > 0) {
            limit = UpToLineFeed(buffer, *waiting);
        }
        const std::uint32_t count = ReadSome(input_, buffer, limit);
        if (count == 0)
            return !line.empty();
        const std::uint32_t used = UpToLineFeed(buffer, count);
        line.append(buffer, used);
        if (used < count)
            MoveFilePosition(input_, -static_cast<std::int64_t>(count - used));
        if (line.back() == '\n')
            return true;
    }
}
