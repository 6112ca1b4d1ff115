// The expansion pass over a typed line, and the folding of substituted output.
#include "command/Expansion.h"

#include <algorithm>
#include <cstdint>

#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/Handles.h"
#include "platform/WindowsError.h"

namespace {

// Substituted output is read in pieces of this size.
constexpr std::uint32_t kChunkSize = 1024;

// The text from just after the opening mark up to the closing one, or to the end when there is none;
// the cursor is left on the closing mark, or at the end.
std::string_view EnclosedText(std::string_view text, std::size_t& cursor, char mark) {
    const std::size_t start = cursor + 1;
    cursor = std::min(text.find(mark, start), text.size());
    return text.substr(start, cursor - start);
}

}  // namespace

// Words already joined by single blanks are copied as one span: output can be many megabytes.
void WhiteSpaceFolder::Add(std::string_view piece) {
    std::size_t at = 0;
    while (at < piece.size()) {
        if (IsWhiteSpace(piece[at])) {
            afterWhiteSpace_ = true;
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < piece.size() &&
               (!IsWhiteSpace(piece[at]) || (piece[at] == ' ' && at + 1 < piece.size() && !IsWhiteSpace(piece[at + 1]))))
            ++at;
        if (afterWhiteSpace_)
            text_ += ' ';
        text_.append(piece, start, at - start);
        afterWhiteSpace_ = false;
    }
}

std::string ExpandLine(std::string_view text, const StageRunner& runPipeline) {
    std::string result;
    for (std::size_t cursor = 0; cursor < text.size(); ++cursor) {
        const char c = text[cursor];
        if (c == '%' && cursor + 1 < text.size() && text[cursor + 1] == '%') {
            result += '%';
            ++cursor;
        } else if (c == '%') {
            result += ExpandVariable(text, cursor);
        } else if (c == '`') {
            SubstituteCommand(text, cursor, result, runPipeline);
        } else {
            result += c;
        }
    }
    return result;
}

std::string ExpandVariable(std::string_view text, std::size_t& cursor) {
    return GetEnvVar(std::string(EnclosedText(text, cursor, '%')));
}

void SubstituteCommand(std::string_view text, std::size_t& cursor, std::string& expanded, const StageRunner& runPipeline) {
    const std::string_view command = EnclosedText(text, cursor, '`');
    Pipe pipe = Pipe::Create();
    runPipeline(StageHandles(ShellStdIn, pipe.TakeWriteEnd().Release(), ShellStdErr), std::string(command), false);
    WhiteSpaceFolder folder(expanded);
    char chunk[kChunkSize];
    try {
        while (const std::uint32_t count = pipe.Read(chunk, kChunkSize))
            folder.Add(std::string_view(chunk, count));
    } catch (const CWindowsError&) {
        // A read that fails for another reason than the end of data ends the output quietly.
    }
}
