// Byte reads from standard input through ReadFile, PeekNamedPipe and the file position.
#include "platform/StreamRead.h"

std::uint32_t ReadSome(HANDLE handle, char* buffer, std::uint32_t size) {
    DWORD count = 0;
    if (!ReadFile(handle, buffer, size, &count, nullptr))
        return 0;
    return count;
}

std::optional<std::uint32_t> PeekPipe(HANDLE handle, char* buffer, std::uint32_t size) {
    DWORD count = 0;
    if (!PeekNamedPipe(handle, buffer, size, &count, nullptr, nullptr))
        return std::nullopt;
    return count;
}

bool IsDiskFile(HANDLE handle) {
    return GetFileType(handle) == FILE_TYPE_DISK;
}

void MoveFilePosition(HANDLE handle, std::int64_t distance) {
    LARGE_INTEGER offset;
    offset.QuadPart = distance;
    SetFilePointerEx(handle, offset, nullptr, FILE_CURRENT);
}
