// What the shell's transcripts hold: its banner, typed lines after the prompt, the launcher's message.
#pragma once

#include <string>

inline const std::string kBanner =
    "Tarvik Version 1, 3, 0, 0\r\n"
    " An interactive command shell for the Windows console.\r\n"
    "\r\n";

// What the output shows for a prompt in the directory followed by a line read from the script.
inline std::string Typed(const std::string& directory, const std::string& line) {
    return directory + ">" + line + "\r\n";
}

inline std::string NotRecognized(const std::string& name) {
    return "'" + name + "' is not recognized as an internal or external command,\r\noperable program or batch file.\r\n";
}
