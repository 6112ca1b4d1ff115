// The word scanner: words, quotes, delimiters and where the cursor is left.
#include <gtest/gtest.h>

#include "command/Scanner.h"

namespace {

TEST(Scanner, NextToken) {
    struct Case {
        std::string text;
        std::string word;
        std::size_t cursor;
    };
    const Case cases[] = {
        {"", "", 0},
        {" \t==  ", "", 6},
        {"  cd  x", "cd", 4},
        {"=foo", "foo", 4},
        {"a=b", "a", 1},
        {"a\tb", "a", 1},
        {"ab\"c d\"e f", "abc de", 8},
        {"\"\"", "", 2},
        {"a\"\"b", "ab", 4},
        {"\"abc", "abc", 4},
        {"a\"", "a", 2},
        {"\"", "", 1},
        {"\"|\" x", "|", 3},
        {"\"a=b\"=c", "a=b", 5},
        {std::string("a\0b c", 5), std::string("a\0b", 3), 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::size_t cursor = 0;
        EXPECT_EQ(NextToken(c.text, cursor), c.word);
        EXPECT_EQ(cursor, c.cursor);
    }
}

TEST(Scanner, CursorPassesFromCallToCall) {
    const std::string text = "cd  x=\"y z\"  ";
    std::size_t cursor = 0;
    EXPECT_EQ(NextToken(text, cursor), "cd");
    EXPECT_EQ(NextToken(text, cursor), "x");
    EXPECT_EQ(NextToken(text, cursor), "y z");
    EXPECT_EQ(cursor, 11u);
    SkipDelimiters(text, cursor);
    EXPECT_EQ(cursor, text.size());
    EXPECT_EQ(NextToken(text, cursor), "");
    EXPECT_NE(std::string("Cd"), std::string("cd"));
}

}  // namespace
