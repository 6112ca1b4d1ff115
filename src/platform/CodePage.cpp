// Code-page questions and conversions answered by the system's tables.
#include "platform/CodePage.h"

#include <windows.h>

bool IsLeadByte(char byte) {
    return IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}

std::uint32_t AnsiCodePage() {
    return GetACP();
}

std::optional<std::wstring> ToWide(std::uint32_t codePage, std::uint32_t flags, std::string_view text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(codePage, flags, text.data(), size, wide.data(), length) != length)
        return std::nullopt;
    return wide;
}

std::optional<std::array<wchar_t, 256>> SingleByteAnsiCharacters() {
    CPINFO info;
    if (!GetCPInfo(CP_ACP, &info) || info.MaxCharSize != 1)
        return std::nullopt;
    char bytes[256];
    for (int byte = 0; byte < 256; ++byte)
        bytes[byte] = static_cast<char>(byte);
    std::array<wchar_t, 256> characters;
    if (MultiByteToWideChar(CP_ACP, 0, bytes, 256, characters.data(), 256) != 256)
        return std::nullopt;
    return characters;
}

std::optional<std::string> FromWide(std::uint32_t codePage, std::wstring_view text) {
    if (text.empty())
        return std::string();
    // For UTF-8 Windows refuses both WC_NO_BEST_FIT_CHARS and a used-default flag (Wine accepts
    // them); there the only text without an equivalent is an unpaired surrogate, which
    // WC_ERR_INVALID_CHARS turns into a failure instead of a replacement character.
    const bool utf8 = (codePage == CP_ACP ? GetACP() : codePage) == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL defaulted = FALSE;
    BOOL* const used = utf8 ? nullptr : &defaulted;
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(codePage, flags, text.data(), size, nullptr, 0, nullptr, used);
    if (length <= 0 || defaulted)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(codePage, flags, text.data(), size, bytes.data(), length, nullptr, used) != length || defaulted)
        return std::nullopt;
    return bytes;
}

std::size_t CharacterCount(std::uint32_t codePage, std::string_view text) {
    if (text.empty())
        return 0;
    const int length = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    return length > 0 ? static_cast<std::size_t>(length) : text.size();
}

std::string ToUpperCase(std::string_view text) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length = LCMapStringA(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), size, nullptr, 0);
    std::string upper(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length <= 0 || LCMapStringA(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.data(), size, upper.data(), length) != length)
        return std::string(text);
    return upper;
}
