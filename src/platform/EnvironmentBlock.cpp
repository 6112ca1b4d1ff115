// The environment block in the ANSI code page, released by its owner.
#include "platform/EnvironmentBlock.h"

#include <windows.h>

#include <cstring>

#include "platform/WindowsError.h"

// The ANSI block comes from GetEnvironmentStrings itself: the headers make GetEnvironmentStringsA an alias
// of it only while UNICODE is undefined, and with UNICODE defined they point the plain name at the wide
// form. Dropping that redirection names the ANSI function either way.
#undef GetEnvironmentStrings

namespace {

// Owns the block the system hands out and frees it exactly once.
class CEnvironmentBlock {
public:
    CEnvironmentBlock() : block_(GetEnvironmentStrings()) {
        if (block_ == nullptr)
            ThrowLastError();
    }
    ~CEnvironmentBlock() { FreeEnvironmentStringsA(block_); }
    CEnvironmentBlock(const CEnvironmentBlock&) = delete;
    CEnvironmentBlock& operator=(const CEnvironmentBlock&) = delete;

    const char* Get() const { return block_; }

private:
    char* block_;
};

}  // namespace

std::vector<std::string> EnvironmentEntries() {
    const CEnvironmentBlock block;
    std::vector<std::string> entries;
    // Zero-terminated entries follow one another; an empty one ends the block.
    for (const char* entry = block.Get(); *entry != '\0'; entry += std::strlen(entry) + 1)
        entries.emplace_back(entry);
    return entries;
}
