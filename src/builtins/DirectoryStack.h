// The directories pushd saved, for popd to return to and for the prompt to count.
#pragma once

#include <string>
#include <vector>

// The process-wide stack of saved directories, created empty before the entry point runs and kept
// until the process ends. The top (the most recent push) is the last element; each entry is the
// directory text as the system reported it at the push.
extern std::vector<std::string> DirectoryStack;
