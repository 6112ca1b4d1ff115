// A started child process: its process and thread handle, owned until the launch ends.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "launch/StartupRecord.h"
#include "platform/Handles.h"

// Owns a started child's process and thread handle, each closed once.
class ProcessRecord {
public:
    ProcessRecord() = default;

    // Starts the program file with the command line, the shell's environment and current directory,
    // and the startup record's handles. False when the system cannot find the file or its folder
    // (codes 2 and 3); throws CWindowsError for any other refusal.
    bool Start(const std::string& program, const std::string& commandLine, StartupRecord& startup);

    // WaitForSingleObject on the process; throws CWindowsError when the wait fails.
    DWORD Wait(DWORD milliseconds) const;

    // The exit code, or 259 while the process still runs; throws CWindowsError when it cannot be read.
    std::uint32_t ExitCode() const;

    // Closes the thread handle, then the process handle; throws CWindowsError at the first failure.
    void Close();

private:
    // Declared in this order so that, when the record ends, the thread handle is closed first.
    OwnedHandle process_;
    OwnedHandle thread_;
};
