// Redirections of a stage and the stage's own error handler.
#include "command/Stage.h"

#include "command/Dispatch.h"
#include "command/Scanner.h"
#include "platform/Handles.h"
#include "platform/Output.h"
#include "platform/WindowsError.h"

namespace {

struct Operator {
    std::string_view word;
    StdStream stream;
    RedirectMode mode;
};

constexpr Operator kOperators[] = {
    {"<", StdStream::Input, RedirectMode::Input},     {">", StdStream::Output, RedirectMode::Truncate},
    {">>", StdStream::Output, RedirectMode::Append},  {"2>", StdStream::Error, RedirectMode::Truncate},
    {"2>>", StdStream::Error, RedirectMode::Append},
};

const Operator* FindOperator(const std::string& word) {
    for (const Operator& candidate : kOperators) {
        if (word == candidate.word)
            return &candidate;
    }
    return nullptr;
}

// A failing "2>" has already released the error handle it replaces: its text then goes to the
// shell's own standard error.
HANDLE ErrorTarget(const StageHandles& handles) {
    return handles.Error() != nullptr ? handles.Error() : ShellStdErr;
}

// Every file is first opened without being changed, in the same order and with the same releases as
// for real, so both meet the same conflicts: a redirection that fails (a sharing violation, a missing
// input) then leaves every file as it was, where ">" would already have emptied its file.
void ApplyRedirections(StageHandles& handles, const std::vector<Redirection>& redirections) {
    {
        StageHandles trial;
        for (const Redirection& redirection : redirections) {
            trial.Replace(redirection.stream, nullptr);
            trial.Replace(redirection.stream, TryRedirectFile(redirection.path, redirection.mode).Release());
        }
        trial.Release();
    }
    for (const Redirection& redirection : redirections) {
        handles.Replace(redirection.stream, nullptr);
        handles.Replace(redirection.stream, OpenRedirectFile(redirection.path, redirection.mode).Release());
    }
}

}  // namespace

StagePlan ParseStage(std::string_view text) {
    StagePlan plan;
    std::size_t commandEnd = text.size();
    // Every operator holds "<" or ">": without them a long line is not taken apart for nothing.
    std::size_t cursor = text.find_first_of("<>") == std::string_view::npos ? text.size() : 0;
    while (cursor < text.size()) {
        const std::size_t wordStart = cursor;
        const Operator* found = FindOperator(NextToken(text, cursor));
        if (found == nullptr)
            continue;
        if (plan.redirections.empty())
            commandEnd = wordStart;
        plan.redirections.push_back({found->stream, found->mode, NextToken(text, cursor)});
    }
    plan.command = text.substr(0, commandEnd);
    return plan;
}

void RunStage(StageHandles handles, std::string text, bool wait) {
    try {
        const StagePlan plan = ParseStage(text);
        if (!plan.redirections.empty())
            ApplyRedirections(handles, plan.redirections);
        // The command text is the stage text cut short in place.
        text.resize(plan.command.size());
        DispatchCommand(handles, text, wait);
    } catch (const CWindowsError& error) {
        WriteString(ErrorTarget(handles), error.Text());
        WriteNewline(ErrorTarget(handles));
    } catch (...) {
        WriteText(ErrorTarget(handles), "Unknown Exception");
        WriteNewline(ErrorTarget(handles));
        WriteNewline(ErrorTarget(handles));
    }
}
