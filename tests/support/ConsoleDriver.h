// A program on a console of its own, driven the way a user drives it: keys typed into the console's
// input, the screen buffer and the title read back, Ctrl+C sent. No terminal is needed.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Handles.h"

class CConsoleDriver {
public:
    // How long a wait polls before it gives up.
    static constexpr DWORD kWaitMs = 10000;

    // Starts the command line in the folder with a new console whose screen buffer has the given
    // size (the window's size is the console's choice) and attaches this process to that console,
    // leaving the one it had: a process has at most one. Throws std::runtime_error when the program
    // cannot be started or its console cannot be reached.
    CConsoleDriver(const std::string& commandLine, const std::string& directory, COORD bufferSize = {80, 150});
    // Ends the program if it still runs, and leaves its console.
    ~CConsoleDriver();
    CConsoleDriver(const CConsoleDriver&) = delete;
    CConsoleDriver& operator=(const CConsoleDriver&) = delete;

    // Queues the key-down and key-up events of a key script (see KeyEvents); its bytes are ANSI text.
    void Type(std::string_view script);
    // The input events no program has read yet.
    DWORD PendingInput() const;
    // How many processes the console has, this one among them.
    DWORD ProcessCount() const;
    // Raises Ctrl+C for every program on the console; this process ignores it.
    void CtrlC() const;

    CONSOLE_SCREEN_BUFFER_INFO Info() const;
    // The characters of the buffer's rows first to last (inclusive) in the ANSI code page, blanks at
    // their ends dropped; none when last is before first. The title reads the same way.
    std::vector<std::string> Rows(SHORT first, SHORT last) const;
    std::string Title() const;

    // Polls the condition until it holds; false when the deadline passes first.
    static bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);
    // The program's exit code once it has ended; none when it still runs after the time.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = kWaitMs) const;

private:
    OwnedHandle process_;
    OwnedHandle input_;
    OwnedHandle output_;
};
