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

// Applies the redirections left to right, each releasing the stream's handle before opening its
// file, then dispatches the command text. No file is emptied until every file of the stage has been
// opened once: a redirection that fails leaves them all as they were (a file created may stay).
// Errors end the stage and are reported on its error handle; every handle the stage still holds is
// released once when it returns.
void RunStage(StageHandles handles, std::string text, bool wait);
