// Searching the file system for the entries that match a pattern (wildcards allowed).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Owns one directory search and ends it exactly once. Its "none" is INVALID_HANDLE_VALUE, the value
// a failed FindFirstFileA gives, not null.
class CFindHandle {
public:
    explicit CFindHandle(HANDLE handle) : handle_(handle) {}
    CFindHandle(CFindHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    CFindHandle(const CFindHandle&) = delete;
    CFindHandle& operator=(const CFindHandle&) = delete;
    ~CFindHandle();

    HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

// One entry a search found, in the ANSI code page: a character the code page cannot spell comes
// back as "?" in the long name, while the short name (empty when the system made none) is plain ASCII.
struct FoundEntry {
    std::string name;
    std::string shortName;
    bool isFolder = false;

    // The name that opens the entry: the long name, or the short name when the long one holds "?";
    // none when the long name holds "?" and the system made no short name.
    std::optional<std::string> OpenableName() const;
};

// The first entry that matches the pattern; none when nothing matches or the search fails.
std::optional<FoundEntry> FindFirstMatch(const std::string& pattern);

// Every entry that matches the pattern, in the order the system gives them; empty when the search fails.
std::vector<FoundEntry> FindAllMatches(const std::string& pattern);
