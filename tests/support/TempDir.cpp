// Temporary folders under the system's temporary directory.
#include "support/TempDir.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

// Removes a folder and everything in it. The path carries the "\\?\" prefix, so that folders nested
// beyond the usual path limit are reached too, and the wide calls reach names the ANSI code page
// cannot spell.
void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            const std::wstring full = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

TempDir::TempDir() {
    // Process ids are reused, and a test that was killed leaves its folder behind: a name that is
    // taken already is skipped.
    static std::atomic<unsigned> counter{0};
    // The temporary folder may be named in its short form (C:\Users\RUNNER~1\...); tests compare paths
    // with what the shell shows, which is the stored spelling, so the long form is used.
    char typed[MAX_PATH];
    char base[MAX_PATH];
    const DWORD typedLength = GetTempPathA(MAX_PATH, typed);
    const DWORD baseLength = GetLongPathNameA(typed, base, MAX_PATH);
    if (typedLength == 0 || typedLength >= MAX_PATH || baseLength == 0 || baseLength >= MAX_PATH)
        throw std::runtime_error("cannot name the temporary folder");
    const std::string prefix = std::string(base) + "tarvik-test-" + std::to_string(GetCurrentProcessId()) + "-";
    for (;;) {
        path_ = prefix + std::to_string(counter++);
        if (CreateDirectoryA(path_.c_str(), nullptr))
            return;
        if (GetLastError() != ERROR_ALREADY_EXISTS)
            throw std::runtime_error("cannot create " + path_);
    }
}

TempDir::~TempDir() {
    // The path came from the ANSI calls, so it converts from the ANSI code page.
    std::wstring wide(path_.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, path_.data(), static_cast<int>(path_.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    RemoveTree(L"\\\\?\\" + wide);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    const std::string full = File(name);
    std::ofstream(full, std::ios::binary) << bytes;
    return full;
}

std::string TempDir::Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
