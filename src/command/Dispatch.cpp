// The dispatch table of built-ins and the per-command error handler.
#include "command/Dispatch.h"

#include <algorithm>
#include <string_view>

#include "builtins/Alias.h"
#include "builtins/Cd.h"
#include "builtins/Popd.h"
#include "builtins/Pushd.h"
#include "builtins/Set.h"
#include "command/ExitRequest.h"
#include "command/Scanner.h"
#include "platform/ErrorReport.h"
#include "platform/Handles.h"
#include "platform/Output.h"
#include "platform/OutputRelay.h"
#include "platform/Pipe.h"

namespace {

// exit takes no arguments that matter: the main loop ends after the current line.
void ExitCommand(HANDLE, HANDLE, HANDLE, const std::string&, std::size_t) {
    RequestExit();
}

struct Builtin {
    std::string_view name;
    BuiltinHandler handler;
};

// Sorted by name.
constexpr Builtin kBuiltins[] = {
    {"alias", AliasCommand}, {"cd", CdCommand},       {"chdir", CdCommand}, {"exit", ExitCommand},
    {"popd", PopdCommand},   {"pushd", PushdCommand}, {"set", SetCommand},
};

// Calls the built-in with the stage's handles. One writing into a pipe goes through a relay: the
// pipe's reader is a later stage or the shell itself, neither of which runs until the built-in has
// returned.
void CallBuiltin(BuiltinHandler handler, StageHandles& handles, const std::string& text, std::size_t cursor) {
    const HANDLE output = handles.Output();
    if (IsStdHandleOrNull(output) || !IsPipe(output)) {
        handler(handles.Input(), output, handles.Error(), text, cursor);
        return;
    }
    const COutputRelay relay(output);
    handles.Detach(StdStream::Output);
    handler(handles.Input(), relay.WriteEnd(), handles.Error(), text, cursor);
}

}  // namespace

BuiltinHandler FindBuiltin(const std::string& word) {
    const auto found = std::lower_bound(std::begin(kBuiltins), std::end(kBuiltins), word,
                                        [](const Builtin& builtin, const std::string& name) { return builtin.name < name; });
    return found != std::end(kBuiltins) && found->name == word ? found->handler : nullptr;
}

void DispatchCommand(StageHandles& handles, const std::string& text, bool wait) {
    if (text.empty()) {
        handles.Release();
        return;
    }
    try {
        std::size_t cursor = 0;
        const std::string word = NextToken(text, cursor);
        if (const BuiltinHandler handler = FindBuiltin(word))
            CallBuiltin(handler, handles, text, cursor);
        else
            ExpandAlias(handles, text, wait);
    } catch (...) {
        ReportCaughtError(ShellStdErr, {.afterWindowsError = 0, .afterUnknown = 0});
    }
    WriteNewline(ShellStdOut);
    handles.Release();
}
