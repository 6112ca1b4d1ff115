// Anonymous pipes: creation with inheritable ends, reads that see the end of data.
#include "platform/Pipe.h"

#include "platform/WindowsError.h"

Pipe Pipe::Create() {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &attributes, 0))
        ThrowLastError();
    Pipe pipe;
    pipe.read_ = OwnedHandle(read);
    pipe.write_ = OwnedHandle(write);
    return pipe;
}

std::uint32_t Pipe::Read(char* buffer, std::uint32_t size) {
    DWORD count = 0;
    if (ReadFile(read_.Get(), buffer, size, &count, nullptr))
        return count;
    // A pipe whose writers have all gone reports a broken pipe: that is its end of data.
    const DWORD code = GetLastError();
    if (code == 0 || code == ERROR_BROKEN_PIPE)
        return 0;
    throw CWindowsError(code, kWindowsErrorContext);
}

bool IsPipe(HANDLE handle) {
    return GetFileType(handle) == FILE_TYPE_PIPE;
}
