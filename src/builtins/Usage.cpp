// Words a built-in does not take.
#include "builtins/Usage.h"

#include "command/Scanner.h"
#include "platform/Messages.h"

bool NoMoreArguments(HANDLE error, const std::string& text, std::size_t& cursor) {
    const std::string surplus = NextToken(text, cursor);
    if (surplus.empty())
        return true;
    WriteTooManyParameters(error, surplus);
    return false;
}
