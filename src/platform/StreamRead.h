// Reading bytes from a standard input that is a file, a pipe or a device.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

// Reads up to size bytes, waiting for at least one. Zero means no more input: the end of a file, a
// pipe whose writers are gone, or a handle that cannot be read at all.
std::uint32_t ReadSome(HANDLE handle, char* buffer, std::uint32_t size);

// Copies up to size bytes that wait in a pipe without taking them out; never waits. Empty when the
// handle is not a pipe that can be looked into.
std::optional<std::uint32_t> PeekPipe(HANDLE handle, char* buffer, std::uint32_t size);

// True when the handle is a file on disk, whose position can be moved back.
bool IsDiskFile(HANDLE handle);

// Moves a disk file's position by a signed distance from where it stands.
void MoveFilePosition(HANDLE handle, std::int64_t distance);
