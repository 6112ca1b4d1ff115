// set: works on the raw rest of the command text, so names and values keep blanks and quotes as typed.
#include "builtins/Set.h"

#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/Environment.h"
#include "platform/EnvironmentBlock.h"
#include "platform/Output.h"

void SetCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    SkipDelimiters(text, cursor);
    if (cursor == text.size()) {
        for (const std::string& entry : EnvironmentEntries())
            WriteOutputLine(output, entry);
        return;
    }
    const std::size_t equals = text.find('=', cursor);
    if (equals == std::string::npos) {
        const std::string name = text.substr(cursor);
        WriteOutputLine(output, name + "=" + GetEnvVar(name));
        return;
    }
    const std::string name = text.substr(cursor, equals - cursor);
    const std::string value = text.substr(equals + 1);
    if (value.empty())
        DeleteEnvVar(name);
    else if (value.find('=') != std::string::npos)
        WriteSyntaxError(error);
    else if (name.size() > kEnvVarMax)
        WriteTooLong(error, "Variable name", kEnvVarMax);
    else if (value.size() > kEnvVarMax)
        WriteTooLong(error, "Value", kEnvVarMax);
    else
        SetEnvVarUnchecked(name, value);
}
