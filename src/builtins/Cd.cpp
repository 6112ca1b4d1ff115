// cd and chdir.
#include "builtins/Cd.h"

#include "builtins/ResolvePath.h"
#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/CurrentDir.h"
#include "platform/Output.h"

void CdCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    const std::string target = NextToken(text, cursor);
    if (!NoMoreArguments(error, text, cursor))
        return;
    if (target.empty()) {
        // A directory the system cannot name shows as an empty line.
        WriteOutputLine(output, GetCurrentDir());
        return;
    }
    SetCurrentDir(ResolvePath(target));
}
