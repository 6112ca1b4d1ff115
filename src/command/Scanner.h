// The word scanner that every part of the shell uses to take a command text apart.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Blanks, tabs and "=" separate words; the shell uses no other delimiter set.
inline constexpr std::string_view kWordDelimiters = " \t=";

// Moves the cursor over every delimiter; stops on the first other character or at the end.
void SkipDelimiters(std::string_view text, std::size_t& cursor, std::string_view delimiters = kWordDelimiters);

// Skips delimiters, then reads one word: bare pieces and double-quoted pieces join into one word,
// quotes are removed, and inside quotes a delimiter is an ordinary character. An unclosed quote runs
// to the end. The cursor is left on the delimiter that ended the word (not consumed), or at the end.
// A zero byte is an ordinary character. Words compare with ==: exactly and case-sensitively.
std::string NextToken(std::string_view text, std::size_t& cursor, std::string_view delimiters = kWordDelimiters);
