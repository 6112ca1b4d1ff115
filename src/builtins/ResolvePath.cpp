// Path resolution for cd and pushd.
#include "builtins/ResolvePath.h"

#include <optional>

#include "platform/FindFile.h"

namespace {

// The file system takes "/" for "\", and a search for "a/b" gives the stored name of b only: both
// must separate components, or a whole "a/b" would be replaced by "b".
constexpr const char* kSeparators = "\\/";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Where the components start: just behind the root. None when the root runs to the end of the path.
std::optional<std::size_t> ComponentsStart(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const std::size_t serverEnd = path.find_first_of(kSeparators, 2);
        if (serverEnd == std::string::npos)
            return std::nullopt;
        const std::size_t shareEnd = path.find_first_of(kSeparators, serverEnd + 1);
        if (shareEnd == std::string::npos)
            return std::nullopt;
        return shareEnd + 1;
    }
    if (!path.empty() && IsSeparator(path[0]))
        return 1;
    if (path.size() >= 2 && path[1] == ':') {
        const std::size_t rootEnd = path.find_first_of(kSeparators);
        if (rootEnd == std::string::npos)
            return std::nullopt;
        return rootEnd + 1;
    }
    return 0;
}

}  // namespace

std::string ResolvePath(const std::string& path) {
    const std::optional<std::size_t> start = ComponentsStart(path);
    if (!start)
        return path;
    std::string result = path.substr(0, *start);
    std::size_t position = *start;
    for (std::size_t separator = path.find_first_of(kSeparators, position); separator != std::string::npos;
         separator = path.find_first_of(kSeparators, position)) {
        result += ResolveComponent(result + path.substr(position, separator - position));
        result += path[separator];
        position = separator + 1;
    }
    result += ResolveComponent(result + path.substr(position));
    return result;
}

std::string ResolveComponent(const std::string& probe) {
    const std::size_t lastSeparator = probe.find_last_of(kSeparators);
    const std::string typed = lastSeparator == std::string::npos ? probe : probe.substr(lastSeparator + 1);
    // An empty component (a doubled or trailing separator) has no name to look up.
    if (typed.empty() || typed == "." || typed == "..")
        return typed;
    const std::optional<FoundEntry> entry = FindFirstMatch(probe);
    return entry ? entry->OpenableName().value_or(typed) : typed;
}
