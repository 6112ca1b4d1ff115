// Expansion of a line: percent signs, variables, back-quoted commands and the folding of their output.
#include <gtest/gtest.h>

#include "command/Expansion.h"
#include "platform/Environment.h"
#include "platform/Output.h"

namespace {

TEST(Expansion, FoldingIsTheSameWhereverTheOutputIsCut) {
    struct Case {
        std::vector<std::string> pieces;
        std::string folded;
    };
    const Case cases[] = {
        {{}, ""},
        {{"a\r\nb\r\n"}, "a b"},
        {{"\r\n\r\na"}, " a"},
        {{"a \t\n\v\f\r b"}, "a b"},
        {{"a", "b"}, "ab"},
        {{"a ", " b"}, "a b"},
        {{"a", "", "\r", "\n", "b  "}, "a b"},
        {{" ", "x"}, " x"},
        {{"\x80\xa0\x85", "\x00"}, "\x80\xa0\x85"},
        {{std::string("a\0 b", 4)}, std::string("a\0 b", 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.pieces));
        std::string folded;
        WhiteSpaceFolder folder(folded);
        for (const std::string& piece : c.pieces)
            folder.Add(piece);
        EXPECT_EQ(folded, c.folded);
    }
}

// Stands in for running a back-quoted command: writes the command text between brackets and a
// line end, or the given output when there is one.
StageRunner BracketWriter(const std::string& output = {}) {
    return [output](StageHandles handles, const std::string& text, bool wait) {
        EXPECT_FALSE(wait);
        WriteString(handles.Output(), output.empty() ? "[" + text + "]\r\n" : output);
    };
}

TEST(Expansion, ExpandLine) {
    SetEnvVar("ZQ_VALUE", "%ZQ_VALUE%`x`");
    DeleteEnvVar("ZQ_NOSUCH");
    struct Case {
        std::string line;
        std::string expanded;
    };
    const Case cases[] = {
        {"plain \"text\"", "plain \"text\""},
        {"%%", "%"},
        {"%%%", "%"},
        {"%%%%", "%%"},
        {"50%", "50"},
        {"100% sure", "100"},
        {"a%zq_value%b", "a%ZQ_VALUE%`x`b"},
        {"<%ZQ_NOSUCH%>", "<>"},
        {"a`b c`d", "a[b c]d"},
        {"``", "[]"},
        {"x`", "x[]"},
        {"`unterminated %PATH%", "[unterminated %PATH%]"},
        {"`a\n\nb``c`", "[a b][c]"},
        {"%ZQ_NOSUCH`x`%", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ExpandLine(c.line, BracketWriter()), c.expanded);
    }
    DeleteEnvVar("ZQ_VALUE");
}

TEST(Expansion, OutputReadInChunksFoldsAsOnePiece) {
    // White space right at the 1024-byte read boundaries, and a run across one.
    std::string output(3000, 'x');
    for (std::size_t at : {0, 1023, 1024, 2047, 2048, 2049, 2999})
        output[at] = at % 2 == 0 ? ' ' : '\n';
    std::string whole = "<";
    WhiteSpaceFolder(whole).Add(output);
    std::string expanded = "<";
    std::size_t cursor = 0;
    SubstituteCommand("`cmd`", cursor, expanded, BracketWriter(output));
    EXPECT_EQ(expanded, whole);
    EXPECT_EQ(cursor, 4u);
}

}  // namespace
