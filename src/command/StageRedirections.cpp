// Opening a stage's redirection files once each, and handing them to the stage only when all opened.
#include "command/StageRedirections.h"

#include <algorithm>
#include <utility>

#include "platform/Handles.h"
#include "platform/WindowsError.h"

void StageRedirections::Open(const Redirection& redirection) {
    const auto same = std::find_if(entries_.begin(), entries_.end(), [&redirection](const Entry& entry) {
        return entry.stream == redirection.stream && NameTheSamePath(entry.path, redirection.path);
    });
    if (same == entries_.end()) {
        entries_.push_back({redirection.stream, redirection.path, CRedirectTarget(redirection.path, redirection.mode)});
        return;
    }
    same->target.Merge(redirection.mode);
    std::rotate(same, same + 1, entries_.end());
}

void StageRedirections::Apply(StageHandles& handles) {
    for (Entry& entry : entries_)
        entry.target.Prepare();
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        const bool replaced = std::any_of(entry + 1, entries_.end(), [&entry](const Entry& later) {
            return later.stream == entry->stream;
        });
        if (!replaced)
            handles.Replace(entry->stream, entry->target.Release());
    }
    entries_.clear();
}

HANDLE StageRedirections::ErrorTarget(const StageHandles& handles) {
    const auto error = std::find_if(entries_.rbegin(), entries_.rend(), [](const Entry& entry) {
        return entry.stream == StdStream::Error;
    });
    if (error != entries_.rend()) {
        try {
            error->target.Prepare();
            return error->target.Get();
        } catch (const CWindowsError&) {
            // A file that cannot be emptied cannot hold the text either: the stage's own handle takes it.
        }
    }
    return handles.Error() != nullptr ? handles.Error() : ShellStdErr;
}
