// Splitting standard input into lines without reading ahead of the line returned.
#include "editor/ScriptReader.h"

#include <cstring>

#include "editor/LineEnd.h"
#include "platform/CodePage.h"
#include "platform/Messages.h"
#include "platform/Output.h"
#include "platform/StreamRead.h"

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeMark[] = "\xFF\xFE";
constexpr char kUtf16BeMark[] = "\xFE\xFF";

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// How many of the bytes belong to a line that already holds `held` bytes: up to and including its
// line feed, or all of them when there is none. In UTF-16 the line feed is the unit "\n\0" at an
// even offset (a "\n" byte may be half of another character); `before` is the byte ahead of them.
std::uint32_t UpToLineFeed(const char* bytes, std::uint32_t count, std::size_t held, char before, bool wide) {
    if (!wide) {
        const void* feed = std::memchr(bytes, '\n', count);
        return feed ? static_cast<std::uint32_t>(static_cast<const char*>(feed) - bytes + 1) : count;
    }
    for (std::uint32_t at = 0; at < count; ++at) {
        if ((held + at) % 2 == 1 && bytes[at] == '\0' && (at > 0 ? bytes[at - 1] : before) == '\n')
            return at + 1;
    }
    return count;
}

}  // namespace

ScriptReader::ScriptReader(HANDLE input, HANDLE echo, HANDLE error)
    : input_(input), echo_(echo), error_(error), diskFile_(IsDiskFile(input)) {}

std::optional<std::string> ScriptReader::ReadLine() {
    if (refused_)
        return std::nullopt;
    std::string line;
    if (!ReadRawLine(line)) {
        // The end of input closes the prompt's line, as Enter would have done.
        WriteNewline(echo_);
        return std::nullopt;
    }
    if (++lineNumber_ == 1 && !TakeByteOrderMark(line))
        return Refuse(ScriptRefusal::kBigEndian);
    if (const std::string reason = ConvertToAnsi(line); !reason.empty())
        return Refuse(reason);
    if (const std::string reason = ZeroByteReason(line); !reason.empty())
        return Refuse(reason);
    DropLineEnd(line);
    WriteString(echo_, line);
    WriteNewline(echo_);
    return line;
}

bool ScriptReader::TakeByteOrderMark(std::string& line) {
    if (StartsWith(line, kUtf8Mark)) {
        encoding_ = Encoding::Utf8;
        line.erase(0, 3);
    } else if (StartsWith(line, kUtf16LeMark)) {
        // The first line was read up to a "\n" byte, which in UTF-16 may not end it yet.
        encoding_ = Encoding::Utf16;
        if (!LineEnded(line))
            ReadRawLine(line);
        line.erase(0, 2);
    } else if (StartsWith(line, kUtf16BeMark)) {
        return false;
    }
    return true;
}

std::string ScriptReader::ConvertToAnsi(std::string& line) const {
    std::optional<std::wstring> wide;
    switch (encoding_) {
    case Encoding::Ansi:
        return {};
    case Encoding::Utf8:
        wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, line);
        if (!wide)
            return ScriptRefusal::kInvalidUtf8;
        break;
    case Encoding::Utf16:
        if (line.size() % 2 != 0)
            return ScriptRefusal::kOddUtf16;
        wide.emplace(line.size() / 2, L'\0');
        std::memcpy(wide->data(), line.data(), line.size());
        break;
    }
    std::optional<std::string> ansi = FromWide(CP_ACP, *wide);
    if (!ansi)
        return ScriptRefusal::NoAnsiEquivalent(AnsiCodePage());
    line = std::move(*ansi);
    return {};
}

std::string ScriptReader::ZeroByteReason(const std::string& line) const {
    // Every command is cut at a zero byte on its way to the system, so what would run is never
    // what the line says. Zero bytes in text read as ANSI are nearly always UTF-16 without its mark.
    if (line.find('\0') == std::string::npos)
        return {};
    if (encoding_ != Encoding::Ansi)
        return ScriptRefusal::kZeroCharacter;
    return ScriptRefusal::kZeroByte;
}

std::nullopt_t ScriptReader::Refuse(const std::string& reason) {
    refused_ = true;
    WriteNewline(echo_);
    WriteScriptRefused(error_, lineNumber_, reason);
    return std::nullopt;
}

bool ScriptReader::LineEnded(const std::string& line) const {
    if (encoding_ != Encoding::Utf16)
        return !line.empty() && line.back() == '\n';
    return line.size() % 2 == 0 && line.size() >= 2 && line[line.size() - 2] == '\n' && line.back() == '\0';
}

bool ScriptReader::ReadRawLine(std::string& line) {
    // A disk file is read in blocks and its position moved back to just past the line feed. A pipe
    // is first looked into, so that exactly the bytes up to the line feed are taken out of it. Any
    // other input (a console, a device, a pipe that cannot be looked into) is read byte by byte.
    // Under Wine a pipe from a Linux program cannot be looked into, and each refusal costs as much
    // as a read, so an input that refused once is not asked again.
    const bool wide = encoding_ == Encoding::Utf16;
    char buffer[4096];
    for (;;) {
        const char before = line.empty() ? '\0' : line.back();
        std::uint32_t limit = 1;
        if (diskFile_) {
            limit = sizeof buffer;
        } else if (peekable_) {
            const std::optional<std::uint32_t> waiting = PeekPipe(input_, buffer, sizeof buffer);
            peekable_ = waiting.has_value();
            if (waiting && *waiting > 0)
                limit = UpToLineFeed(buffer, *waiting, line.size(), before, wide);
        }
        const std::uint32_t count = ReadSome(input_, buffer, limit);
        if (count == 0)
            return !line.empty();
        const std::uint32_t used = UpToLineFeed(buffer, count, line.size(), before, wide);
        line.append(buffer, used);
        if (used < count)
            MoveFilePosition(input_, -static_cast<std::int64_t>(count - used));
        if (LineEnded(line))
            return true;
    }
}
