// Directory searches through FindFirstFileA and FindNextFileA.
#include "platform/FindFile.h"

namespace {

FoundEntry ToEntry(const WIN32_FIND_DATAA& data) {
    return {data.cFileName, data.cAlternateFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0};
}

CFindHandle StartSearch(const std::string& pattern, WIN32_FIND_DATAA& data) {
    return CFindHandle(FindFirstFileA(pattern.c_str(), &data));
}

}  // namespace

CFindHandle::~CFindHandle() {
    if (IsOpen())
        FindClose(handle_);
}

std::optional<std::string> FoundEntry::OpenableName() const {
    if (name.find('?') == std::string::npos)
        return name;
    if (shortName.empty())
        return std::nullopt;
    return shortName;
}

std::optional<FoundEntry> FindFirstMatch(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    const CFindHandle search = StartSearch(pattern, data);
    if (!search.IsOpen())
        return std::nullopt;
    return ToEntry(data);
}

std::vector<FoundEntry> FindAllMatches(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    const CFindHandle search = StartSearch(pattern, data);
    std::vector<FoundEntry> entries;
    if (!search.IsOpen())
        return entries;
    do
        entries.push_back(ToEntry(data));
    while (FindNextFileA(search.Get(), &data));
    return entries;
}
