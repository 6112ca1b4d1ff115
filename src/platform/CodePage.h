// Questions about the bytes of text in the ANSI code page.
#pragma once

// Whether the byte opens a two-byte character in the ANSI code page; never so in a single-byte one.
bool IsLeadByte(char byte);

// Whether the byte is white space as the "C" locale classifies it: blank, tab, line feed, vertical
// tab, form feed, carriage return. Inline, as the folding of substituted output asks it of every byte.
inline bool IsWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}
