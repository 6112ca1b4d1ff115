// Child processes for tests, with their standard streams on pipes or on given handles.
#include "support/ProcessRun.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "platform/Handles.h"
#include "support/TestPaths.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

struct PipeEnds {
    OwnedHandle read;
    OwnedHandle write;
};

// A pipe whose child end is inheritable and whose parent end is not, so that the child holds the
// only copy that can reach end of data.
PipeEnds MakePipe(bool childReads) {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &attributes, 0))
        throw std::runtime_error("CreatePipe failed");
    PipeEnds ends{OwnedHandle(read), OwnedHandle(write)};
    SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    return ends;
}

OwnedHandle Launch(const std::string& commandLine, HANDLE input, HANDLE output, HANDLE error,
                   const std::string& directory) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input;
    startup.hStdOutput = output;
    startup.hStdError = error;
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + commandLine + ": error " + std::to_string(GetLastError()));
    OwnedHandle thread(info.hThread);
    return OwnedHandle(info.hProcess);
}

std::uint32_t WaitForExit(HANDLE process, const std::string& commandLine) {
    if (WaitForSingleObject(process, kTimeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << commandLine << " did not end within " << kTimeoutMs << " ms";
        TerminateProcess(process, 0xDEAD);
        WaitForSingleObject(process, INFINITE);
    }
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

}  // namespace

std::string ReadAll(HANDLE handle) {
    std::string text;
    char buffer[4096];
    DWORD count = 0;
    while (ReadFile(handle, buffer, sizeof buffer, &count, nullptr) && count > 0)
        text.append(buffer, count);
    return text;
}

ProcessResult RunProcess(const std::string& commandLine, const std::string& input, const std::string& directory) {
    PipeEnds in = MakePipe(true);
    PipeEnds out = MakePipe(false);
    PipeEnds err = MakePipe(false);
    OwnedHandle process = Launch(commandLine, in.read.Get(), out.write.Get(), err.write.Get(), directory);
    in.read.Close();
    out.write.Close();
    err.write.Close();

    std::thread writer([&in, &input] {
        DWORD written = 0;
        WriteFile(in.write.Get(), input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
        in.write.Close();
    });
    ProcessResult result;
    std::thread outputReader([&] { result.out = ReadAll(out.read.Get()); });
    std::thread errorReader([&] { result.err = ReadAll(err.read.Get()); });
    result.exitCode = WaitForExit(process.Get(), commandLine);
    outputReader.join();
    errorReader.join();
    writer.join();
    return result;
}

ProcessResult RunShell(const std::string& script, const std::string& directory) {
    return RunProcess(QuotedBinPath("tarvik.exe"), script, directory);
}

std::uint32_t RunWithHandles(const std::string& commandLine, HANDLE input, HANDLE output, HANDLE error,
                             const std::string& directory) {
    OwnedHandle process = Launch(commandLine, input, output, error, directory);
    return WaitForExit(process.Get(), commandLine);
}
