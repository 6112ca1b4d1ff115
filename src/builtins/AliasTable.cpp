// Looking an alias up and building the command text it stands for.
#include "builtins/AliasTable.h"

#include "command/Scanner.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"

CReg OpenAliasKey() {
    return CreateUserKey(kAliasKeyPath);
}

std::optional<std::string> AliasedCommand(const std::string& text) {
    std::size_t cursor = 0;
    // The registry compares value names without regard to case, so "LL" finds ll.
    const std::string word = NextToken(text, cursor);
    RegValue value;
    if (CharacterCount(CP_ACP, word) > kAliasNameMax || !OpenAliasKey().QueryValue(word.c_str(), value))
        return text;
    std::optional<std::string> command = ExpandEnvVars(value.Text());
    if (command)
        command->append(text, cursor);
    return command;
}
