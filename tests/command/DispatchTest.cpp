// The built-in table: every name found, exactly and case-sensitively, and nothing else.
#include <gtest/gtest.h>

#include "builtins/Alias.h"
#include "builtins/Cd.h"
#include "builtins/Popd.h"
#include "builtins/Pushd.h"
#include "builtins/Set.h"
#include "command/Dispatch.h"

namespace {

TEST(Dispatch, FindBuiltin) {
    const std::pair<std::string, BuiltinHandler> found[] = {
        {"alias", AliasCommand}, {"cd", CdCommand},     {"chdir", CdCommand},
        {"popd", PopdCommand},   {"pushd", PushdCommand}, {"set", SetCommand},
    };
    for (const auto& [name, handler] : found)
        EXPECT_EQ(FindBuiltin(name), handler) << name;
    EXPECT_NE(FindBuiltin("exit"), nullptr);
    for (const char* name : {"", "EXIT", "Cd", "cd..", "c", "sets", "zz"})
        EXPECT_EQ(FindBuiltin(name), nullptr) << name;
}

}  // namespace
