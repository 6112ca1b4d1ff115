// The files a stage's redirections name, opened once each and changed only when all have opened.
#pragma once

#include <windows.h>

#include <vector>

#include "command/Stage.h"
#include "platform/RedirectFile.h"
#include "platform/StageHandles.h"

// Opens the redirections of one stage left to right. A later redirection of a stream replaces the
// earlier one, but the earlier file stays open, unchanged, until the stage has opened every file:
// then each is emptied or moved to its end as its operator asks, and the last file of each stream
// becomes the stage's handle. A stage that fails before that leaves every file as it was and removes
// the files its opens created, except the error file in effect, which receives the failure's text.
class StageRedirections {
public:
    // Naming the same file again for the same stream (f.txt twice) reuses its handle, as releasing the
    // earlier one first would. Throws CWindowsError when the file cannot be opened.
    void Open(const Redirection& redirection);

    // Prepares every file and hands the last one of each stream to the stage.
    void Apply(StageHandles& handles);

    // Where a failure's text goes: the error file in effect, prepared and kept, or the stage's own
    // error handle (the shell's standard error when the stage holds none).
    HANDLE ErrorTarget(const StageHandles& handles);

private:
    struct Entry {
        StdStream stream;
        std::string path;
        CRedirectTarget target;
    };
    // In the order opened; a stream's handle is its last entry.
    std::vector<Entry> entries_;
};
