// set: works on the raw rest of the command text, so names and values keep blanks and quotes as typed.
#include "builtins/Set.h"

#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/CodePage.h"
#include "platform/Environment.h"
#include "platform/EnvironmentBlock.h"
#include "platform/Messages.h"
#include "platform/Output.h"

namespace {

bool TooLong(const std::string& text) {
    return CharacterCount(CP_ACP, text) > kEnvVarMax;
}

}  // namespace

void SetCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    SkipDelimiters(text, cursor);
    if (cursor == text.size()) {
        for (const std::string& entry : EnvironmentEntries())
            WriteOutputLine(output, entry);
        return;
    }
    // A name past the limit is refused in every form: the platform's lengths wrap, so it would show
    // or remove the variable whose name is the wrapped remainder.
    const std::size_t equals = text.find('=', cursor);
    const std::string name = text.substr(cursor, equals == std::string::npos ? std::string::npos : equals - cursor);
    if (TooLong(name))
        return WriteTooLong(error, "Variable name", kEnvVarMax);
    if (equals == std::string::npos)
        return WriteOutputLine(output, name + "=" + GetEnvVar(name));
    const std::string value = text.substr(equals + 1);
    if (value.empty())
        DeleteEnvVar(name);
    else if (value.find('=') != std::string::npos)
        WriteSyntaxError(error);
    else if (TooLong(value))
        WriteTooLong(error, "Value", kEnvVarMax);
    else
        SetEnvVarUnchecked(name, value);
}
