// set: showing, setting and removing variables on the raw rest of the text, and the listing.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>

#include "builtins/Set.h"
#include "platform/Environment.h"
#include "support/BuiltinRun.h"

namespace {

std::optional<std::string> Variable(const std::string& name) {
    if (GetEnvironmentVariableA(name.c_str(), nullptr, 0) == 0)
        return std::nullopt;
    return GetEnvVar(name);
}

void ResetVariables(const char* main, const char* blank) {
    for (const char* name : {"TARVIK_T", "TARVIK_T ", "TARVIK_T B"})
        SetEnvironmentVariableA(name, nullptr);
    SetEnvironmentVariableA("TARVIK_T", main);
    SetEnvironmentVariableA("TARVIK_T ", blank);
}

class Set : public ::testing::Test {
protected:
    void TearDown() override { ResetVariables(nullptr, nullptr); }
};

TEST_F(Set, ShowsSetsAndRemoves) {
    struct Case {
        std::string text;
        std::string out;
        std::string err;
        std::string name;
        std::optional<std::string> value;
    };
    const std::string longest(32766, 'v');
    const std::string wrapping(65536, 'W');
    const std::string nameTooLong = "Variable name too long - at most 32766 characters\r\n";
    const Case cases[] = {
        {"set =TARVIK_T", "TARVIK_T=one\r\n", "", "TARVIK_T", "one"},
        {"set tarvik_t", "tarvik_t=one\r\n", "", "TARVIK_T", "one"},
        {"set TARVIK_T ", "TARVIK_T =blank\r\n", "", "TARVIK_T ", "blank"},
        {"set TARVIK_NOSUCH", "TARVIK_NOSUCH=\r\n", "", "TARVIK_NOSUCH", std::nullopt},
        {"set TARVIK_T=two", "", "", "TARVIK_T", "two"},
        {"set TARVIK_T=", "", "", "TARVIK_T", std::nullopt},
        {"set TARVIK_T = 1", "", "", "TARVIK_T ", " 1"},
        {"set TARVIK_T B=1", "", "", "TARVIK_T B", "1"},
        {"set\t TARVIK_T=  lead", "", "", "TARVIK_T", "  lead"},
        {"set TARVIK_T=\"x y\"", "", "", "TARVIK_T", "\"x y\""},
        {"set TARVIK_T=x=y", "", "Syntax error\r\n", "TARVIK_T", "one"},
        {"set TARVIK_T=" + longest, "", "", "TARVIK_T", longest},
        {"set TARVIK_T=" + longest + "v", "", "Value too long - at most 32766 characters\r\n", "TARVIK_T", "one"},
        {"set TARVIK_T=" + std::string(100000, 'v'), "", "Value too long - at most 32766 characters\r\n", "TARVIK_T",
         "one"},
        {"set " + longest + "N=1", "", nameTooLong, "TARVIK_T", "one"},
        // The platform wraps a name at 64 Ki characters: this one would name TARVIK_T.
        {"set TARVIK_T" + wrapping, "", nameTooLong, "TARVIK_T", "one"},
        {"set TARVIK_T" + wrapping + "=", "", nameTooLong, "TARVIK_T", "one"},
        {"set TARVIK_T" + wrapping + "=x=y", "", nameTooLong, "TARVIK_T", "one"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        ResetVariables("one", "blank");
        const BuiltinOutput run = RunBuiltin(SetCommand, c.text);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(Variable(c.name), c.value);
    }
}

TEST_F(Set, LongValuesAndTheListingAreWhole) {
    const std::string value(5000, 'v');
    RunBuiltin(SetCommand, "set TARVIK_T=" + value);
    EXPECT_EQ(RunBuiltin(SetCommand, "set TARVIK_T").out, "TARVIK_T=" + value + "\r\n");
    const std::string listing = RunBuiltin(SetCommand, "set").out;
    EXPECT_NE(listing.find("\r\nTARVIK_T=" + value + "\r\n"), std::string::npos);
    EXPECT_EQ(RunBuiltin(SetCommand, "set ==").out, listing);
}

}  // namespace
