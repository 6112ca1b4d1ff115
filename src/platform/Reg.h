// The registry key owner and the buffer that value data travels through.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

// The capacity of a value's data area; a string value holds at most one byte less, for its zero.
inline constexpr std::size_t kRegDataCapacity = 1024;
inline constexpr std::size_t kRegTextMax = kRegDataCapacity - 1;

struct RegValue {
    // A string value (REG_SZ) holding the text and its zero byte. Throws std::length_error when the
    // text is longer than kRegTextMax: it is never cut.
    static RegValue String(std::string_view text);

    // The data as text: up to its first zero byte, or all of the data in use when it holds none (a
    // value stored by another program need not be terminated).
    std::string Text() const;

    DWORD type = REG_NONE;
    char data[kRegDataCapacity] = {};
    // Bytes in use: the capacity going into a read, the stored length coming out.
    DWORD size = 0;
};

// Owns one open registry key (or none) and closes it when it ends. Every failed call raises
// CWindowsError with the registry's status as the code and the operation's name as the context; a
// missing value and the end of an enumeration are answered with false instead.
class CReg {
public:
    CReg() = default;
    CReg(CReg&& other) noexcept : key_(other.Detach()) {}
    CReg& operator=(CReg&& other) noexcept;
    CReg(const CReg&) = delete;
    CReg& operator=(const CReg&) = delete;

    // Closes the key and swallows a failure, so leaving a scope never raises.
    ~CReg();

    // Closes the key held so far (raising as Close does), then holds the given one. A predefined
    // root key such as HKEY_CURRENT_USER may be attached like any other.
    void Attach(HKEY key);

    // Closes the key when one is held. On failure the key stays recorded.
    void Close();

    // Creates the sub-key when it is missing and opens it. With a target, the target's old key is
    // closed and it then holds the new one; without, the new key is closed at once.
    void CreateKey(const char* subKey, CReg* target = nullptr);

    // Reads the named value; false when there is no such value. A value larger than the data area
    // raises (the registry answers ERROR_MORE_DATA).
    bool QueryValue(const char* name, RegValue& value);

    // Stores the value's type and the first value.size bytes of its data under the name.
    void SetValue(const char* name, const RegValue& value);

    // Reads the value at the index: its name into the buffer, whose capacity nameLength gives going
    // in and which holds the name's length coming out. False past the last value.
    bool EnumValue(DWORD index, char* name, DWORD& nameLength, RegValue& value);

    // Removes the named value; a missing value raises too.
    void DeleteValue(const char* name);

private:
    HKEY Detach();

    HKEY key_ = nullptr;
};

// Opens (creating when missing) a sub-key of HKEY_CURRENT_USER.
CReg CreateUserKey(const char* subKey);
