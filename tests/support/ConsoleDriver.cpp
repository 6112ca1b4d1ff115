// Driving a program on a console of its own through the console's input and screen buffer.
#include "support/ConsoleDriver.h"

#include <stdexcept>

#include "support/KeyScript.h"

namespace {

constexpr DWORD kPollMs = 10;

// The Ctrl+C the driver raises reaches every process on the console, the driver too.
BOOL WINAPI IgnoreCtrlC(DWORD event) {
    return event == CTRL_C_EVENT;
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + ": error " + std::to_string(GetLastError()));
}

// The console's characters in the ANSI code page, each one it lacks as "?": the rows and the title
// read back as the characters the screen shows, not as the console's own code page spells them.
std::string Ansi(std::wstring_view text) {
    std::string ansi(text.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                    ansi.data(), static_cast<int>(ansi.size()), "?", nullptr));
    return ansi;
}

OwnedHandle OpenConsoleFile(const char* name) {
    const HANDLE handle = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        Fail(std::string("cannot open ") + name);
    return OwnedHandle(handle);
}

}  // namespace

CConsoleDriver::CConsoleDriver(const std::string& commandLine, const std::string& directory, COORD bufferSize) {
    SetConsoleCtrlHandler(IgnoreCtrlC, TRUE);
    // A process started in a group of its own ignores Ctrl+C, and its children inherit that: the
    // program started here must take Ctrl+C as a user's program does.
    SetConsoleCtrlHandler(nullptr, FALSE);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USECOUNTCHARS;
    startup.dwXCountChars = static_cast<DWORD>(bufferSize.X);
    startup.dwYCountChars = static_cast<DWORD>(bufferSize.Y);
    PROCESS_INFORMATION info{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE, nullptr,
                        directory.empty() ? nullptr : directory.c_str(), &startup, &info))
        Fail("cannot start " + commandLine);
    process_ = OwnedHandle(info.hProcess);
    OwnedHandle thread(info.hThread);
    try {
        FreeConsole();
        // Under Wine the new console can be attached to only once the program has begun to run:
        // until then AttachConsole fails with error 6.
        if (!WaitUntil([&info] { return AttachConsole(info.dwProcessId) != 0; }))
            Fail("cannot attach to the console of " + commandLine);
        input_ = OpenConsoleFile("CONIN$");
        output_ = OpenConsoleFile("CONOUT$");
    } catch (...) {
        TerminateProcess(process_.Get(), 0xDEAD);
        throw;
    }
}

CConsoleDriver::~CConsoleDriver() {
    if (!WaitForExit(0)) {
        TerminateProcess(process_.Get(), 0xDEAD);
        WaitForSingleObject(process_.Get(), kWaitMs);
    }
    input_ = OwnedHandle();
    output_ = OwnedHandle();
    FreeConsole();
    SetConsoleCtrlHandler(IgnoreCtrlC, FALSE);
}

void CConsoleDriver::Type(std::string_view script) {
    std::vector<INPUT_RECORD> events = KeyEvents(script);
    // Typed as the characters the ANSI bytes stand for, the way a keyboard delivers them.
    for (INPUT_RECORD& event : events) {
        const char byte = event.Event.KeyEvent.uChar.AsciiChar;
        WCHAR& character = event.Event.KeyEvent.uChar.UnicodeChar;
        if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &character, 1) != 1)
            Fail("cannot type " + std::string(script));
    }
    DWORD written = 0;
    if (!WriteConsoleInputW(input_.Get(), events.data(), static_cast<DWORD>(events.size()), &written) ||
        written != events.size())
        Fail("cannot type " + std::string(script));
}

DWORD CConsoleDriver::PendingInput() const {
    DWORD count = 0;
    if (!GetNumberOfConsoleInputEvents(input_.Get(), &count))
        Fail("cannot count the console's input events");
    return count;
}

DWORD CConsoleDriver::ProcessCount() const {
    DWORD ids[16];
    return GetConsoleProcessList(ids, 16);
}

void CConsoleDriver::CtrlC() const {
    if (!GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0))
        Fail("cannot raise Ctrl+C");
}

CONSOLE_SCREEN_BUFFER_INFO CConsoleDriver::Info() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output_.Get(), &info))
        Fail("cannot query the screen buffer");
    return info;
}

std::vector<std::string> CConsoleDriver::Rows(SHORT first, SHORT last) const {
    if (last < first)
        return {};
    const SHORT width = Info().dwSize.X;
    std::wstring cells(static_cast<std::size_t>(width) * (last - first + 1), L' ');
    DWORD read = 0;
    if (!ReadConsoleOutputCharacterW(output_.Get(), cells.data(), static_cast<DWORD>(cells.size()), COORD{0, first},
                                     &read))
        Fail("cannot read the screen buffer");
    std::vector<std::string> rows;
    for (std::size_t at = 0; at < cells.size(); at += width) {
        std::string row = Ansi(std::wstring_view(cells).substr(at, width));
        row.erase(row.find_last_not_of(' ') + 1);
        rows.push_back(row);
    }
    return rows;
}

std::string CConsoleDriver::Title() const {
    WCHAR title[1024];
    const DWORD length = GetConsoleTitleW(title, 1024);
    return Ansi(std::wstring_view(title, length));
}

bool CConsoleDriver::WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(kPollMs);
    }
    return true;
}

std::optional<DWORD> CConsoleDriver::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(process_.Get(), timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}
