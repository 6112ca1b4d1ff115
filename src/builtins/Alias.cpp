// The alias built-in: lists, shows, defines and removes aliases.
#include "builtins/Alias.h"

#include <string_view>

#include "builtins/AliasTable.h"
#include "command/Scanner.h"
#include "platform/Output.h"

namespace {

// The registry's own limit on a value name, so every name it accepted can be listed.
constexpr DWORD kNameCapacity = 16384;

void WriteAlias(HANDLE output, std::string_view name, const std::string& replacement) {
    WriteString(output, std::string(name));
    WriteText(output, "=");
    WriteString(output, replacement);
    WriteNewline(output);
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
    WriteString(output, name);
    WriteText(output, "=");
    RegValue value;
    if (key.QueryValue(name.c_str(), value))
        WriteString(output, value.Text());
    WriteNewline(output);
}

void DefineAlias(CReg& key, HANDLE error, const std::string& name, const std::string& replacement) {
    if (replacement.find('=') != std::string::npos) {
        WriteText(error, "Syntax error");
        WriteNewline(error);
    } else if (replacement.size() > kRegTextMax) {
        // Refused whole rather than stored cut short.
        WriteText(error, "Alias text too long - at most 1023 characters");
        WriteNewline(error);
    } else {
        key.SetValue(name.c_str(), RegValue::String(replacement));
    }
}

}  // namespace

void AliasCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    CReg key = OpenAliasKey();
    SkipDelimiters(text, cursor);
    if (cursor == text.size())
        return ListAliases(key, output);
    // Names and texts are raw: blanks and quotes are kept as typed, on both sides of the "=".
    const std::size_t equals = text.find('=', cursor);
    if (equals == std::string::npos)
        return ShowAlias(key, output, text.substr(cursor));
    const std::string name = text.substr(cursor, equals - cursor);
    const std::string replacement = text.substr(equals + 1);
    if (replacement.empty())
        key.DeleteValue(name.c_str());
    else
        DefineAlias(key, error, name, replacement);
}
