// Anonymous pipes between pipeline stages.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "platform/Handles.h"

// Owns the read and the write end of one anonymous pipe; each end is null once handed over. The
// write end is released before the read end.
class Pipe {
public:
    // A new pipe of the system's default size whose ends started programs can inherit; throws
    // CWindowsError when it cannot be made.
    static Pipe Create();

    HANDLE ReadEnd() const { return read_.Get(); }
    HANDLE WriteEnd() const { return write_.Get(); }

    // Hands an end over: the pipe no longer releases it.
    OwnedHandle TakeReadEnd() { return std::move(read_); }
    OwnedHandle TakeWriteEnd() { return std::move(write_); }

    // Reads up to size bytes from the read end, waiting for at least one. Zero is the end of data:
    // every holder of the write end has closed it. Throws CWindowsError for any other failure.
    std::uint32_t Read(char* buffer, std::uint32_t size);

private:
    OwnedHandle read_;
    OwnedHandle write_;
};

// True when the handle is one end of a pipe.
bool IsPipe(HANDLE handle);
