// Questions about the bytes of text in the ANSI code page, and conversions to and from UTF-16.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whether the byte opens a two-byte character in the ANSI code page; never so in a single-byte one.
bool IsLeadByte(char byte);

// Whether the byte is white space as the "C" locale classifies it: blank, tab, line feed, vertical
// tab, form feed, carriage return. Inline, as the folding of substituted output asks it of every byte.
inline bool IsWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The number of the ANSI code page, as messages name it.
std::uint32_t AnsiCodePage();

// The text of the code page (CP_ACP, CP_UTF8, ...) in UTF-16, through MultiByteToWideChar with the
// flags; empty when the system refuses it (with MB_ERR_INVALID_CHARS: bytes not valid in the page).
std::optional<std::wstring> ToWide(std::uint32_t codePage, std::uint32_t flags, std::string_view text);

// The character each byte stands for in the ANSI code page, when every character there is one byte;
// none in a page whose characters can take more (a double-byte page, UTF-8 as the system code page).
std::optional<std::array<wchar_t, 256>> SingleByteAnsiCharacters();

// UTF-16 text in the code page (CP_ACP, CP_UTF8, ...); empty when a character has no exact
// equivalent there. No look-alike is put in its place: a "?" or a best-fit "\" in a command could
// name other files. In UTF-8, where every character has one, an unpaired surrogate is what fails.
std::optional<std::string> FromWide(std::uint32_t codePage, std::wstring_view text);

// How many characters the text of the code page holds as Windows counts them for its length limits:
// UTF-16 units, so a two-byte character of a double-byte page or of UTF-8 counts once (a character
// beyond the 16-bit range counts twice). The byte count in a single-byte page.
std::size_t CharacterCount(std::uint32_t codePage, std::string_view text);

// The text in capitals as the system maps the ANSI code page (LCMapStringA, invariant locale), the
// way file names are compared without regard to case.
std::string ToUpperCase(std::string_view text);
