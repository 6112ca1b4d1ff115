// set: works on the raw rest of the command text, so names and values keep blanks and quotes as typed.
#include "builtins/Set.h"

#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/Environment.h"
#include "platform/EnvironmentBlock.h"
#include "platform/Output.h"

namespace {

void WriteLine(HANDLE output, const std::string& line) {
    WriteString(output, line);
    WriteNewline(output);
}

}  // namespace

void SetCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    SkipDelimiters(text, cursor);
    if (cursor == text.size()) {
        for (const std::string& entry : EnvironmentEntries())
            WriteLine(output, entry);
        return;
    }
    const std::size_t equals = text.find('=', cursor);
    if (equals == std::string::npos) {
        const std::string name = text.substr(cursor);
        WriteLine(output, name + "=" + GetEnvVar(name));
        return;
    }
    const std::string name = text.substr(cursor, equals - cursor);
    const std::string value = text.substr(equals + 1);
    if (value.empty())
        DeleteEnvVar(name);
    else if (value.find('=') != std::string::npos)
        WriteSyntaxError(error);
    else
        SetEnvVarUnchecked(name, value);
}
