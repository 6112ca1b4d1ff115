// The choice between interactive and script input, made once at start-up.
#include "editor/LineSource.h"

#include "editor/ConsoleReader.h"
#include "editor/ScriptReader.h"
#include "platform/Console.h"
#include "platform/Handles.h"
#include "platform/WindowsConsole.h"

std::unique_ptr<LineSource> MakeLineSource() {
    if (IsConsole(ShellStdIn) && IsConsole(ShellStdOut)) {
        // The console behind the shell's standard handles, which live as long as the process.
        static WindowsConsole console(ShellStdIn, ShellStdOut);
        return std::make_unique<ConsoleReader>(console);
    }
    return std::make_unique<ScriptReader>(ShellStdIn, ShellStdOut, ShellStdErr);
}
