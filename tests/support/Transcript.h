// What the shell's transcripts hold: its banner, typed lines after the prompt, the launcher's message.
#pragma once

#include <string>

// The version the build gave the shell's version resource ("1, 3, 0, 0").
inline const std::string kFileVersion = TARVIK_FILE_VERSION;

inline const std::string kBanner =
    "Tarvik Version " TARVIK_FILE_VERSION "\r\n"
    " An interactive command shell for the Windows console.\r\n"
    "\r\n";

// What the output shows for a prompt in the directory followed by a line read from the script.
inline std::string Typed(const std::string& directory, const std::string& line) {
    return directory + ">" + line + "\r\n";
}

inline std::string NotRecognized(const std::string& name) {
    return "'" + name + "' is not recognized as an internal or external command,\r\noperable program or batch file.\r\n";
}
