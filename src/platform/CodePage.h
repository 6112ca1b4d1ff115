// Questions about the bytes of text in the ANSI code page.
#pragma once

// Whether the byte opens a two-byte character in the ANSI code page; never so in a single-byte one.
bool IsLeadByte(char byte);
