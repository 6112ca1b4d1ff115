// What the user reads: every message the shell writes of its own, in one place.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

// "'<name>' is not recognized as an internal or external command," and "operable program or batch
// file.", each followed by a line end.
void WriteNotRecognized(HANDLE error, const std::string& name);

// "<what> too long - at most <limit> characters", then a line end: input the platform cannot hold
// whole is refused rather than stored cut short or wrapped.
void WriteTooLong(HANDLE error, const char* what, std::size_t limit);

// "Too many parameters - " naming the surplus word, then a line end.
void WriteTooManyParameters(HANDLE error, const std::string& surplus);

// "Syntax error", then a line end.
void WriteSyntaxError(HANDLE error);

// "Unknown Exception", with no line end: each place that reports it adds its own.
void WriteUnknownException(HANDLE error);

// "<count> bytes of output were not delivered", then a line end: at exit, after Ctrl+C ended the
// wait for a reader that never read.
void WriteUndelivered(HANDLE error, std::uint64_t count);

// Why script input is refused: each is said after "Script input refused at line N: ".
namespace ScriptRefusal {
inline constexpr const char* kBigEndian = "big-endian UTF-16 cannot be read; save the script as UTF-8 or UTF-16 LE";
inline constexpr const char* kInvalidUtf8 = "not valid UTF-8";
inline constexpr const char* kOddUtf16 = "not valid UTF-16 (an odd number of bytes)";
inline constexpr const char* kZeroCharacter = "a zero character in the line";
inline constexpr const char* kZeroByte = "a zero byte in the line (UTF-16 text needs its byte order mark)";
// "a character has no equivalent in the ANSI code page (<number>)".
std::string NoAnsiEquivalent(std::uint32_t codePage);
}  // namespace ScriptRefusal

// "Script input refused at line <line>: <reason>", then a line end.
void WriteScriptRefused(HANDLE error, std::size_t line, const std::string& reason);
