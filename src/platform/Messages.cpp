// The texts of the shell's own messages.
#include "platform/Messages.h"

#include "platform/Output.h"

void WriteNotRecognized(HANDLE error, const std::string& name) {
    WriteText(error, "'");
    WriteString(error, name);
    WriteText(error, "' is not recognized as an internal or external command,");
    WriteNewline(error);
    WriteText(error, "operable program or batch file.");
    WriteNewline(error);
}

void WriteTooLong(HANDLE error, const char* what, std::size_t limit) {
    WriteString(error, std::string(what) + " too long - at most " + std::to_string(limit) + " characters");
    WriteNewline(error);
}

void WriteTooManyParameters(HANDLE error, const std::string& surplus) {
    WriteText(error, "Too many parameters - ");
    WriteString(error, surplus);
    WriteNewline(error);
}

void WriteSyntaxError(HANDLE error) {
    WriteText(error, "Syntax error");
    WriteNewline(error);
}

void WriteUnknownException(HANDLE error) {
    WriteText(error, "Unknown Exception");
}

void WriteUndelivered(HANDLE error, std::uint64_t count) {
    WriteString(error, std::to_string(count) + " bytes of output were not delivered");
    WriteNewline(error);
}

std::string ScriptRefusal::NoAnsiEquivalent(std::uint32_t codePage) {
    return "a character has no equivalent in the ANSI code page (" + std::to_string(codePage) + ")";
}

void WriteScriptRefused(HANDLE error, std::size_t line, const std::string& reason) {
    WriteString(error, "Script input refused at line " + std::to_string(line) + ": " + reason);
    WriteNewline(error);
}
