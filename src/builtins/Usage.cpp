// Usage errors of the built-in commands.
#include "builtins/Usage.h"

#include "command/Scanner.h"
#include "platform/Output.h"

void WriteTooManyParameters(HANDLE error, const std::string& surplus) {
    WriteText(error, "Too many parameters - ");
    WriteString(error, surplus);
    WriteNewline(error);
}

void WriteSyntaxError(HANDLE error) {
    WriteText(error, "Syntax error");
    WriteNewline(error);
}

bool NoMoreArguments(HANDLE error, const std::string& text, std::size_t& cursor) {
    const std::string surplus = NextToken(text, cursor);
    if (surplus.empty())
        return true;
    WriteTooManyParameters(error, surplus);
    return false;
}
