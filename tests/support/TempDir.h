// A fresh folder for one test, removed with everything in it when the test ends.
#pragma once

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder's full path, long names throughout, without a trailing backslash.
    const std::string& Path() const { return path_; }

    // The full path of a name inside the folder.
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

    // Creates a file inside the folder holding exactly these bytes; returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;

    // The bytes of a file inside the folder (empty when it cannot be read).
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};
