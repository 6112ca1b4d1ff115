// Starting programs from tests: the end-to-end driver of the shell and of the helper programs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct ProcessResult {
    std::string out;
    std::string err;
    std::uint32_t exitCode = 0;
};

// Every byte a handle gives until it reports the end (a pipe whose writers are all closed, a file).
std::string ReadAll(HANDLE handle);

// Starts the command line with three pipes as its standard handles, writes the input and closes it,
// and collects standard output and standard error apart until the program ends. A program still
// running after 30 seconds is ended and the test fails.
ProcessResult RunProcess(const std::string& commandLine, const std::string& input, const std::string& directory = {});

// Runs the built tarvik.exe on a script given as its standard input.
ProcessResult RunShell(const std::string& script, const std::string& directory = {});

// Starts the command line with the given standard handles (which it inherits), waits for it and
// returns its exit code.
std::uint32_t RunWithHandles(const std::string& commandLine, HANDLE input, HANDLE output, HANDLE error,
                             const std::string& directory = {});
