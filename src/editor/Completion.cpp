// Completion: splitting the word, searching the file system once per cycle, replacing the word.
#include "editor/Completion.h"

#include "editor/LineEditor.h"
#include "platform/CodePage.h"
#include "platform/FindFile.h"

namespace {

// How much of the word is drive and folder: up to and including its last "\" or "/", or its "x:"
// when it has no separator. A separator byte that is the second byte of a two-byte character is
// part of that character. The folder part is kept however long it is, so the search and the
// replacement always name the same folder.
std::size_t FolderPartLength(std::string_view word) {
    std::size_t length = word.size() >= 2 && word[1] == ':' ? 2 : 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (IsLeadByte(word[i]))
            ++i;
        else if (word[i] == '\\' || word[i] == '/')
            length = i + 1;
    }
    return length;
}

}  // namespace

CompletionList FindCompletions(std::string_view word) {
    CompletionList list;
    if (word.empty())
        return list;
    if (word.front() == '"')
        word.remove_prefix(1);
    const std::string_view folder = word.substr(0, FolderPartLength(word));
    for (const FoundEntry& entry : FindAllMatches(std::string(word) + "*")) {
        // A name the code page cannot spell would not open; its short name does.
        std::string text = std::string(folder) + entry.OpenableName().value_or(entry.name);
        if (entry.isFolder)
            text += '\\';
        if (text.find(' ') != std::string::npos)
            text = '"' + text + '"';
        list.entries.push_back(std::move(text));
    }
    return list;
}

void CompleteWord(LineEditor& editor, CompletionList& list) {
    // The bounds are found on every press: the word on the line is the previous replacement.
    const WordBounds word = editor.FindWordBounds();
    if (!list.entries.empty())
        list.current = (list.current + 1) % list.entries.size();
    else
        list = FindCompletions(editor.Grid().Text(word.a, word.b));
    if (list.entries.empty() || !editor.ReplaceWord(word.a, word.b, list.entries[list.current]))
        editor.Beep();
}
