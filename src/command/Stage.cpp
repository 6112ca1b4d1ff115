// Redirections of a stage and the stage's own error handler.
#include "command/Stage.h"

#include "command/Dispatch.h"
#include "command/Scanner.h"
#include "command/StageRedirections.h"
#include "platform/ErrorReport.h"

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
    StageRedirections redirections;
    try {
        const StagePlan plan = ParseStage(text);
        for (const Redirection& redirection : plan.redirections)
            redirections.Open(redirection);
        redirections.Apply(handles);
        // The command text is the stage text cut short in place.
        text.resize(plan.command.size());
        DispatchCommand(handles, text, wait);
    } catch (...) {
        ReportCaughtError(redirections.ErrorTarget(handles), {.afterWindowsError = 1, .afterUnknown = 2});
    }
}
