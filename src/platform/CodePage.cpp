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

std::optional<std::string> WideToAnsi(std::wstring_view text) {
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &defaulted);
    if (length <= 0 || defaulted)
        return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    if (WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, ansi.data(), length, nullptr, &defaulted) !=
            length ||
        defaulted)
        return std::nullopt;
    return ansi;
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
