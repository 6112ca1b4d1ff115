// pushd.
#include "builtins/Pushd.h"

#include "builtins/DirectoryStack.h"
#include "builtins/ResolvePath.h"
#include "builtins/Usage.h"
#include "command/Scanner.h"
#include "platform/CurrentDir.h"
#include "platform/Output.h"

void PushdCommand(HANDLE /*input*/, HANDLE output, HANDLE error, const std::string& text, std::size_t cursor) {
    const std::string target = NextToken(text, cursor);
    if (!NoMoreArguments(error, text, cursor))
        return;
    if (target.empty()) {
        for (auto entry = DirectoryStack.rbegin(); entry != DirectoryStack.rend(); ++entry)
            WriteOutputLine(output, *entry);
        return;
    }
    // The push comes first: when the change fails, the entry stays.
    DirectoryStack.push_back(GetCurrentDir());
    SetCurrentDir(ResolvePath(target));
}
