// The alias built-in: lists, shows, defines and removes aliases.
#include "builtins/Alias.h"

#include <string_view>

#include "builtins/AliasTable.h"
#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/CodePage.h"
#include "platform/Messages.h"
#include "platform/Output.h"

namespace {

// Room for the longest name the registry accepts and its zero, so every alias can be listed: the
// limit counts characters, and one takes up to three bytes in the ANSI code page (UTF-8).
constexpr DWORD kNameCapacity = 3 * kAliasNameMax + 1;

void WriteAlias(HANDLE output, std::string_view name, const std::string& replacement) {
    WriteOutputLine(output, std::string(name) + "=" + replacement);
}

void ListAliases(CReg& key, HANDLE output) {
    std::string name(kNameCapacity, '\0');
    RegValue value;
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = kNameCapacity;
        if (!key.EnumValue(index, name.data(), nameLength, value))
            return;
        WriteAlias(output, std::string_view(name).substr(0, nameLength), value.Text());
    }
}

// An undefined name still prints its name and "="; both come before the value is read, so a value
// that cannot be read leaves them in front of the error.
void ShowAlias(CReg& key, HANDLE output, const std::string& name) {
    WriteOutput(output, name + "=");
    RegValue value;
    const bool found = key.QueryValue(name.c_str(), value);
    WriteOutputLine(output, found ? value.Text() : std::string());
}

void DefineAlias(CReg& key, HANDLE error, const std::string& name, const std::string& replacement) {
    if (replacement.find('=') != std::string::npos)
        WriteSyntaxError(error);
    else if (replacement.size() > kRegTextMax)
        WriteTooLong(error, "Alias text", kRegTextMax);
    else
        key.SetValue(name.c_str(), RegValue::String(replacement));
}

}  // namespace

void AliasCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    CReg key = OpenAliasKey();
    SkipDelimiters(text, cursor);
    if (cursor == text.size())
        return ListAliases(key, output);
    // Names and texts are raw: blanks and quotes are kept as typed, on both sides of the "=".
    const std::size_t equals = text.find('=', cursor);
    const std::string name = text.substr(cursor, equals == std::string::npos ? std::string::npos : equals - cursor);
    if (CharacterCount(CP_ACP, name) > kAliasNameMax)
        return WriteTooLong(error, "Alias name", kAliasNameMax);
    if (equals == std::string::npos)
        return ShowAlias(key, output, name);
    const std::string replacement = text.substr(equals + 1);
    if (replacement.empty())
        key.DeleteValue(name.c_str());
    else
        DefineAlias(key, error, name, replacement);
}
