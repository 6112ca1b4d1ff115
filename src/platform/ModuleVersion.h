// The program's own file and the version its resource declares.
#pragma once

#include <optional>
#include <string>

// Full path of the running program's file.
std::string ModuleFilePath();

// The "FileVersion" string of a file's version resource (table "0c0904b0"); none when the file has
// no resource or the resource has no such entry.
std::optional<std::string> FileVersionText(const std::string& path);
