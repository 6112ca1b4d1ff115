// One pipeline stage: its redirections, its command text, and the errors it reports itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/RedirectFile.h"
#include "platform/StageHandles.h"

// One redirection operator and the file name that follows it (empty when none does).
struct Redirection {
    StdStream stream;
    RedirectMode mode;
    std::string path;

    bool operator==(const Redirection&) const = default;
};

// A stage text taken apart: the command text runs up to the first operator ("<", ">", ">>", "2>",
// "2>>", each a word of its own, quoted or not); after it, words that are neither operators nor
// file names are dropped.
struct StagePlan {
    std::string_view command;
    std::vector<Redirection> redirections;
};

StagePlan ParseStage(std::string_view text);

// Applies the redirections left to right, then dispatches the command text. Each file is opened
// once, and none is emptied until every file of the stage has opened: a redirection that fails leaves
// the files as they were and removes those it created. Errors end the stage and are reported on the
// error file in effect (an earlier "2>" or "2>>" of the stage), or else on the stage's error handle;
// every handle the stage still holds is released once when it returns.
void RunStage(StageHandles handles, std::string text, bool wait);
