// The shell's three standard handles, and the owned handle that closes what it holds.
#pragma once

#include <windows.h>

// The handles the process was started with, recorded once before the entry point runs. Commands
// receive them as ordinary stage handles; nothing that releases a stage's handles may close them.
extern const HANDLE ShellStdIn;
extern const HANDLE ShellStdOut;
extern const HANDLE ShellStdErr;

// True for a null handle and for the three shell standard handles.
bool IsStdHandleOrNull(HANDLE handle);

// Closes a stage handle unless it is null or a shell standard handle; throws CWindowsError on failure.
void CloseUnlessStd(HANDLE handle);

// A handle for one more owner: the handle itself when it is null or a shell standard handle, which
// no owner closes, otherwise an inheritable duplicate for the new owner to release. Throws
// CWindowsError when the handle cannot be duplicated.
HANDLE ShareUnlessStd(HANDLE handle);

// Closes any handle but null, the standard handles included; throws CWindowsError on failure.
void CloseOwned(HANDLE handle);

// Owns one handle (or none) and closes it exactly once: on Close, or when the owner ends.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept;
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    // A failure to close is not raised here: a destructor that threw would end the process while
    // another error is passing. Call Close to have the failure reported.
    ~OwnedHandle();

    HANDLE Get() const { return handle_; }

    // Gives the handle up without closing it; the owner becomes null.
    HANDLE Release();

    // The owner becomes null first, then the handle is closed; throws CWindowsError on failure.
    void Close();

private:
    HANDLE handle_ = nullptr;
};

// An inheritable duplicate of the handle, with the same access, for the caller to own. Throws
// CWindowsError when the handle cannot be duplicated.
OwnedHandle InheritableDuplicate(HANDLE handle);
