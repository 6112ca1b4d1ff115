// Shortcut targets through IShellLinkA and IPersistFile.
#include "launch/Shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "platform/ComInterface.h"
#include "platform/GrowingBuffer.h"

namespace {

// The longest path the system handles; a target claimed to be longer is not taken.
constexpr std::uint32_t kLongestPath = 32768;

std::wstring WidePath(const std::string& path) {
    const int length = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(length, L'\0');
    if (MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, path.c_str(), -1, wide.data(), length) != length)
        return {};
    wide.resize(length - 1);
    return wide;
}

// GetPath reports no needed size and may cut a long target to the buffer: the buffer is cleared
// before each try, and a text that fills it is read again with room to spare.
std::string TargetPath(IShellLinkA* link) {
    return ReadGrowing([link](char* buffer, std::uint32_t size) -> std::uint32_t {
        if (size > kLongestPath)
            return 0;
        std::memset(buffer, 0, size);
        if (link->GetPath(buffer, static_cast<int>(size), nullptr, 0) != S_OK)
            return 0;
        const std::uint32_t length = static_cast<std::uint32_t>(strnlen(buffer, size));
        return length + 1 < size ? length : size;
    });
}

}  // namespace

std::string ResolveShortcut(const std::string& path) {
    CComInterface<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Receive())))
        return {};
    CComInterface<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.Receive())))
        return {};
    const std::wstring widePath = WidePath(path);
    if (widePath.empty() || FAILED(file->Load(widePath.c_str(), STGM_READ)))
        return {};
    return TargetPath(link.Get());
}
