// Redirection files: the three open modes and the inheritable handles they give.
#include "platform/RedirectFile.h"

#include "platform/WindowsError.h"

OwnedHandle OpenRedirectFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = CreateFileA(path.c_str(), access, share, &attributes, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ThrowLastError();
    return OwnedHandle(file);
}

OwnedHandle OpenRedirectFile(const std::string& path, RedirectMode mode) {
    switch (mode) {
    case RedirectMode::Input:
        return OpenRedirectFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    case RedirectMode::Truncate:
        return OpenRedirectFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    case RedirectMode::Append:
        break;
    }
    OwnedHandle file = OpenRedirectFile(path, GENERIC_WRITE, 0, OPEN_ALWAYS);
    // The 64-bit move: SetFilePointer without a high part fails on Windows for a file of 4 GiB or
    // more, and the output would land at its start. A pipe or a device has no end to move to.
    if (!SetFilePointerEx(file.Get(), LARGE_INTEGER{}, nullptr, FILE_END)) {
        const DWORD code = GetLastError();
        if (GetFileType(file.Get()) == FILE_TYPE_DISK)
            throw CWindowsError(code, kWindowsErrorContext);
    }
    return file;
}

OwnedHandle TryRedirectFile(const std::string& path, RedirectMode mode) {
    if (mode == RedirectMode::Input)
        return OpenRedirectFile(path, mode);
    return OpenRedirectFile(path, GENERIC_WRITE, 0, OPEN_ALWAYS);
}
