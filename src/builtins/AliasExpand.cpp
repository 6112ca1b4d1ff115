// Running a command that is not a built-in: its alias replaced, then launched.
#include "builtins/Alias.h"

#include <utility>

#include "builtins/AliasTable.h"
#include "launch/LaunchProgram.h"

void ExpandAlias(StageHandles& handles, const std::string& text, bool wait) {
    // Built before the handles move: function arguments are evaluated in no fixed order, and a
    // failed lookup must leave the handles with the caller.
    const std::optional<std::string> command = AliasedCommand(text);
    if (!command) {
        WriteCommandLineTooLong();
        handles.Release();
        return;
    }
    LaunchProgram(std::move(handles), *command, wait);
}
