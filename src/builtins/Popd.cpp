// popd.
#include "builtins/Popd.h"

#include "builtins/DirectoryStack.h"
#include "builtins/Usage.h"
#include "platform/CurrentDir.h"

void PopdCommand(HANDLE /*input*/, HANDLE /*output*/, HANDLE error, const std::string& text, std::size_t cursor) {
    // With nothing saved there is nowhere to return to, and nothing is said.
    if (!NoMoreArguments(error, text, cursor) || DirectoryStack.empty())
        return;
    // The entry goes only once the change succeeded, so a failed popd can be tried again.
    SetCurrentDir(DirectoryStack.back());
    DirectoryStack.pop_back();
}
