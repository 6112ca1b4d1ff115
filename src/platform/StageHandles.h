// The three standard handles a pipeline stage owns from the moment it receives them.
#pragma once

#include <windows.h>

#include <array>

enum class StdStream { Input = 0, Output = 1, Error = 2 };

// Holds a stage's input, output and error handle and releases each exactly once with
// CloseUnlessStd, so null handles and the shell's own standard handles are never closed. Moving
// hands all three over: the one moved from holds none.
class StageHandles {
public:
    StageHandles() = default;
    StageHandles(HANDLE input, HANDLE output, HANDLE error) : handles_{input, output, error} {}
    StageHandles(StageHandles&& other) noexcept;
    StageHandles& operator=(StageHandles&& other) noexcept;
    StageHandles(const StageHandles&) = delete;
    StageHandles& operator=(const StageHandles&) = delete;

    // Releases what is still held; a failure is not raised here (see OwnedHandle). Call Release to
    // have failures reported.
    ~StageHandles();

    HANDLE Get(StdStream stream) const { return handles_[static_cast<int>(stream)]; }
    HANDLE Input() const { return Get(StdStream::Input); }
    HANDLE Output() const { return Get(StdStream::Output); }
    HANDLE Error() const { return Get(StdStream::Error); }

    // Releases the stream's current handle, then holds the new one (a redirection replacing it).
    // When the release fails the error is raised and the old handle is forgotten, never closed twice;
    // the new handle is then not taken over.
    void Replace(StdStream stream, HANDLE handle);

    // Gives the stream's handle up without releasing it; the slot becomes null.
    HANDLE Detach(StdStream stream);

    // Releases input, output and error in that order, each forgotten before it is closed; raises
    // CWindowsError at the first failure, and what was not reached yet stays held.
    void Release();

private:
    std::array<HANDLE, 3> handles_{};
};
