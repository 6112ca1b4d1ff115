// What the shell's transcripts hold: its banner, typed lines after the prompt, the launcher's message;
// and the one runner that holds a script's run against its transcript.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// One line of a script and what the shell writes after echoing it (its blank line included).
struct TypedStep {
    std::string line;
    std::string out;
};

// A script of typed lines and what its output must be after the banner: each line behind the prompt of
// the folder, then its output. "exit" follows, unless the last step ends the shell: then a line follows
// that must never be read.
struct ScriptTranscript {
    std::string script;
    std::string out;
};
ScriptTranscript TranscriptOf(const std::string& folder, const std::vector<TypedStep>& steps, bool lastLineExits = false);

// Runs tarvik.exe in the folder on the script and expects the banner followed by the output, the error
// output and the exit code.
void ExpectShellRun(const std::string& folder, const std::string& script, const std::string& out, const std::string& err,
                    std::uint32_t exitCode = 0);
