// Program search through SearchPathA, one trial per PATHEXT entry.
#include "launch/ProgramSearch.h"

#include <windows.h>

#include "platform/Environment.h"
#include "platform/GrowingBuffer.h"

namespace {

// A null search path means the system's order: the shell's own folder, the current folder, the
// system folders, then PATH. The extension is added only when the name has none.
std::string SearchProgramPath(const std::string& name, const std::string& extension) {
    return ReadGrowing([&](char* buffer, std::uint32_t size) {
        return SearchPathA(nullptr, name.c_str(), extension.c_str(), size, buffer, nullptr);
    });
}

}  // namespace

std::string FindProgram(const std::string& name) {
    std::string extensions = GetEnvVar("PATHEXT");
    if (extensions.empty())
        extensions = ".COM;.EXE;.BAT";
    // Closing every entry with ";" turns a trailing separator into a final bare-name trial.
    extensions += ';';
    const auto eachEntry = [&extensions](auto trial) -> std::string {
        for (std::size_t start = 0, end; (end = extensions.find(';', start)) != std::string::npos; start = end + 1) {
            std::string path = trial(extensions.substr(start, end - start));
            if (!path.empty())
                return path;
        }
        return {};
    };
    if (std::string path = eachEntry([&name](const std::string& entry) { return SearchProgramPath(name, entry); });
        !path.empty() || name.find('.') == std::string::npos)
        return path;
    // The system adds no extension to a name that seems to have one ("my.tool"): as a last resort each
    // entry is appended to the whole name. Without a dot, or with an empty entry, that would only
    // repeat a trial.
    return eachEntry([&name](const std::string& entry) {
        return entry.empty() ? std::string() : SearchProgramPath(name + entry, "");
    });
}

std::string FileExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}
