// Temporary folders under the system's temporary directory.
#include "support/TempDir.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

// Removes a folder and everything in it. The path carries the "\\?\" prefix, so that folders nested
// beyond the usual path limit are reached too.
void RemoveTree(const std::string& path) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string full = path + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

TempDir::TempDir() {
    // Process ids are reused, and a test that was killed leaves its folder behind: a name that is
    // taken already is skipped.
    static std::atomic<unsigned> counter{0};
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
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
    RemoveTree("\\\\?\\" + path_);
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
