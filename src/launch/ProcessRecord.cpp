// Starting a child with CreateProcessA, waiting for it and reading its exit code.
#include "launch/ProcessRecord.h"

#include "platform/WindowsError.h"

bool ProcessRecord::Start(const std::string& program, const std::string& commandLine, StartupRecord& startup) {
    // CreateProcessA may write into the command line it is given.
    std::string line = commandLine;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, startup.InheritsHandles(),
                        EXTENDED_STARTUPINFO_PRESENT, nullptr, nullptr, startup.Info(), &info)) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return false;
        throw CWindowsError(code, kWindowsErrorContext);
    }
    process_ = OwnedHandle(info.hProcess);
    thread_ = OwnedHandle(info.hThread);
    return true;
}

DWORD ProcessRecord::Wait(DWORD milliseconds) const {
    const DWORD result = WaitForSingleObject(process_.Get(), milliseconds);
    if (result == WAIT_FAILED)
        ThrowLastError();
    return result;
}

std::uint32_t ProcessRecord::ExitCode() const {
    DWORD code = 0;
    if (!GetExitCodeProcess(process_.Get(), &code))
        ThrowLastError();
    return code;
}

void ProcessRecord::Close() {
    thread_.Close();
    process_.Close();
}
