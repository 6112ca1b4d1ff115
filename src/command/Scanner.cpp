// Reading words: delimiters, double-quote grouping, the cursor handed from caller to caller.
#include "command/Scanner.h"

namespace {

// A loop of its own rather than find: this runs for every byte of every line.
bool IsDelimiter(char c, std::string_view delimiters) {
    for (const char delimiter : delimiters) {
        if (c == delimiter)
            return true;
    }
    return false;
}

}  // namespace

void SkipDelimiters(std::string_view text, std::size_t& cursor, std::string_view delimiters) {
    while (cursor < text.size() && IsDelimiter(text[cursor], delimiters))
        ++cursor;
}

std::string NextToken(std::string_view text, std::size_t& cursor, std::string_view delimiters) {
    SkipDelimiters(text, cursor, delimiters);
    std::string word;
    while (cursor < text.size() && !IsDelimiter(text[cursor], delimiters)) {
        if (text[cursor] != '"') {
            const std::size_t start = cursor;
            while (cursor < text.size() && text[cursor] != '"' && !IsDelimiter(text[cursor], delimiters))
                ++cursor;
            word.append(text.substr(start, cursor - start));
            continue;
        }
        // There is no escape: a quoted piece runs to the next quote, or to the end of the text.
        const std::size_t open = ++cursor;
        const std::size_t close = text.find('"', open);
        const std::size_t stop = close == std::string_view::npos ? text.size() : close;
        word.append(text.substr(open, stop - open));
        cursor = close == std::string_view::npos ? text.size() : close + 1;
    }
    return word;
}
