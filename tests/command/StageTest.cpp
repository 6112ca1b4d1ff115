// Taking a stage apart: the command text and its redirections.
#include <gtest/gtest.h>

#include "command/Stage.h"

namespace {

TEST(Stage, ParseStage) {
    constexpr StdStream In = StdStream::Input, Out = StdStream::Output, Err = StdStream::Error;
    constexpr RedirectMode Read = RedirectMode::Input, Truncate = RedirectMode::Truncate, Append = RedirectMode::Append;
    struct Case {
        std::string text;
        std::string command;
        std::vector<Redirection> redirections;
    };
    const Case cases[] = {
        {"dir /w", "dir /w", {}},
        {"dir > out.txt extra", "dir", {{Out, Truncate, "out.txt"}}},
        {"sort < in.txt > out.txt", "sort", {{In, Read, "in.txt"}, {Out, Truncate, "out.txt"}}},
        {"> out.txt", "", {{Out, Truncate, "out.txt"}}},
        {"a >> log 2> e 2>> f", "a", {{Out, Append, "log"}, {Err, Truncate, "e"}, {Err, Append, "f"}}},
        {"echo \">\" \"x y\"", "echo", {{Out, Truncate, "x y"}}},
        {"x>out.txt 2>&1", "x>out.txt 2>&1", {}},
        {"a >", "a", {{Out, Truncate, ""}}},
        {"a > > b", "a", {{Out, Truncate, ">"}}},
        {"a=>=b", "a", {{Out, Truncate, "b"}}},
        {"a > f > f", "a", {{Out, Truncate, "f"}, {Out, Truncate, "f"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const StagePlan plan = ParseStage(c.text);
        EXPECT_EQ(plan.command, c.command);
        EXPECT_EQ(plan.redirections, c.redirections);
    }
}

}  // namespace
