// Opening the files that redirections name.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Handles.h"

// How a redirection opens its file: "<" reads an existing file, ">" and "2>" create or empty it,
// ">>" and "2>>" create it or write at its end.
enum class RedirectMode { Input, Truncate, Append };

// Opens a file with an inheritable handle, so a started program can use it as a standard handle;
// throws CWindowsError when the file cannot be opened.
OwnedHandle OpenRedirectFile(const std::string& path, DWORD access, DWORD share, DWORD disposition);

// Opens a file in one of the redirection modes, ready to be written or read (see CRedirectTarget).
OwnedHandle OpenRedirectFile(const std::string& path, RedirectMode mode);

// A redirection's file, opened once with the access and sharing of its mode but not changed yet: an
// existing file keeps its bytes until Prepare. A disk file that the open created is deleted again when
// the target ends without Keep, so a stage that fails leaves the folder as it was. Opening only once
// matters for a named pipe, whose server sees every open as a connection.
class CRedirectTarget {
public:
    // Throws CWindowsError when the file cannot be opened.
    CRedirectTarget(const std::string& path, RedirectMode mode);
    CRedirectTarget(CRedirectTarget&& other) noexcept;
    CRedirectTarget& operator=(CRedirectTarget&& other) noexcept;
    CRedirectTarget(const CRedirectTarget&) = delete;
    CRedirectTarget& operator=(const CRedirectTarget&) = delete;
    ~CRedirectTarget();

    HANDLE Get() const { return file_.Get(); }
    RedirectMode Mode() const { return mode_; }

    // The mode of a later redirection of the same stream to the same file: either emptying empties.
    void Merge(RedirectMode later);

    // Does what the mode asks of the file: ">" empties it, ">>" moves to its end (of any size). A pipe
    // or a device is never emptied and has no end to move to. Throws CWindowsError when a disk file
    // refuses. The target is kept from here on.
    void Prepare();

    // Gives the handle up; the file stays.
    HANDLE Release();

private:
    // Closes the file, deleting it when this open created it and it was not kept.
    void Discard() noexcept;

    OwnedHandle file_;
    std::string path_;
    RedirectMode mode_;
    bool created_ = false;
};

// True when two file names stand for the same full path in the current directory, ignoring case, as
// the file system does ("f.txt" and ".\F.TXT"). Names are compared as typed when one has no full
// path (an empty name).
bool NameTheSamePath(const std::string& first, const std::string& second);
