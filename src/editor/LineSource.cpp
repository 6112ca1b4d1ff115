// The choice between interactive and script input, made once at start-up.
#include "editor/LineSource.h"

#include "editor/ConsoleReader.h"
#include "editor/ScriptReader.h"
#include "platform/Console.h"
#include "platform/Handles.h"

std::unique_ptr<LineSource> MakeLineSource() {
    if (IsConsole(ShellStdIn) && IsConsole(ShellStdOut))
        return std::make_unique<ConsoleReader>(ShellStdIn);
    return std::make_unique<ScriptReader>(ShellStdIn, ShellStdOut);
}
