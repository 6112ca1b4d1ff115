// Start-up, the main loop and shutdown.
#include "core/MainLoop.h"

#include <cstdint>
#include <string>

#include "command/RunCommandLine.h"
#include "core/Banner.h"
#include "core/ConsoleCtrlHandler.h"
#include "command/ExitRequest.h"
#include "core/Prompt.h"
#include "editor/LineSource.h"
#include "platform/ComApartment.h"
#include "platform/Console.h"
#include "platform/ErrorReport.h"
#include "platform/Handles.h"
#include "platform/Messages.h"
#include "platform/Output.h"
#include "platform/OutputRelay.h"

namespace {

// An error that escapes building the prompt or running a line is reported on the shell's standard
// error, and the shell goes on with the next line.
template <typename Step>
void ReportEscapedErrors(Step step) {
    try {
        step();
    } catch (...) {
        ReportCaughtError(ShellStdErr, {.afterWindowsError = 0, .afterUnknown = 1});
    }
}

}  // namespace

int RunShell() {
    CComApartment com;
    InstallConsoleCtrlHandler(ConsoleCtrlHandler);
    std::unique_ptr<LineSource> reader = MakeLineSource();
    ShowBanner(ShellStdOut);
    ExitRequested = false;

    // A prompt that cannot be built is reported and the line is still read, so a lasting failure
    // cannot turn the loop into one that never waits for input.
    int status = 0;
    while (!ExitRequested) {
        SetConsoleTitleText("Tarvik");
        ReportEscapedErrors([] { WriteString(ShellStdOut, BuildPrompt()); });
        const std::optional<std::string> line = reader->ReadLine();
        if (!line) {
            status = reader->EndStatus();
            break;
        }
        if (line->empty())
            continue;
        SetConsoleTitleText(*line);
        ReportEscapedErrors([&line] { RunCommandLine(ShellStdIn, ShellStdOut, ShellStdErr, *line); });
    }
    // A reader that never reads, never ends and ignores Ctrl+C would keep the shell from ending.
    if (const std::uint64_t lost = FinishOutputRelays(); lost > 0)
        WriteUndelivered(ShellStdErr, lost);
    return status;
}
