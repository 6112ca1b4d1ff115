// File-name completion on Tab: the names that continue the word at the cursor, and the step that
// puts them on the line one after another.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LineEditor;

// The replacement texts of one completion cycle, in the order the file system gave them, and the one
// on the line now. It lives as long as one read of a line; an empty list means no cycle is running.
struct CompletionList {
    std::vector<std::string> entries;
    std::size_t current = 0;
};

// Every entry whose name continues the word, each a whole replacement: the word's drive and folder as
// typed, the stored name, a backslash behind a folder, double quotes around a text with a blank. A
// leading double quote of the word is dropped; wildcards in it take part in the search. Empty for an
// empty word, and when nothing matches or the system rejects the pattern.
CompletionList FindCompletions(std::string_view word);

// One Tab press: the first of a cycle searches, the next ones step through the list and wrap; the
// word at the cursor is replaced. No match, or a replacement the window cannot hold, beeps and
// changes nothing.
void CompleteWord(LineEditor& editor, CompletionList& list);
