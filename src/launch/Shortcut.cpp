// Shortcut targets through IShellLinkA and IPersistFile.
#include "launch/Shortcut.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "platform/CodePage.h"
#include "platform/ComInterface.h"
#include "platform/GrowingBuffer.h"

namespace {

// The longest path the system handles; a target claimed to be longer is not taken.
constexpr std::uint32_t kLongestPath = 32768;

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
    const std::optional<std::wstring> widePath = ToWide(CP_ACP, MB_PRECOMPOSED, path);
    if (!widePath || widePath->empty() || FAILED(file->Load(widePath->c_str(), STGM_READ)))
        return {};
    return TargetPath(link.Get());
}
