// Starting programs: shortcuts, refusals, the wait flag, and the handles a child receives and keeps.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <optional>

#include "launch/LaunchProgram.h"
#include "launch/Shortcut.h"
#include "platform/ComApartment.h"
#include "platform/ComInterface.h"
#include "platform/Environment.h"
#include "platform/Handles.h"
#include "platform/WindowsError.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

namespace {

struct Pipe {
    OwnedHandle read;
    OwnedHandle write;
};

// Both ends inheritable, as the shell makes them: only the launcher decides what a child inherits.
Pipe MakePipe() {
    SECURITY_ATTRIBUTES attributes{sizeof attributes, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &attributes, 0))
        ADD_FAILURE() << "CreatePipe failed: " << GetLastError();
    return {OwnedHandle(read), OwnedHandle(write)};
}

// Everything written into the pipe until its last writer is gone; empty when that takes more than
// ten seconds (a writer still holds it).
std::optional<std::string> ReadToEnd(HANDLE pipe) {
    std::string text;
    for (const ULONGLONG deadline = GetTickCount64() + 10000; GetTickCount64() < deadline;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr))
            return text;
        if (available == 0) {
            Sleep(5);
            continue;
        }
        std::string chunk(available, '\0');
        DWORD count = 0;
        ReadFile(pipe, chunk.data(), available, &count, nullptr);
        text.append(chunk, 0, count);
    }
    return std::nullopt;
}

void MakeShortcut(const std::string& path, const std::string& target) {
    CComInterface<IShellLinkA> link;
    CComInterface<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.Receive())));
    ASSERT_TRUE(SUCCEEDED(link->SetPath(target.c_str())));
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.Receive())));
    const std::wstring widePath(path.begin(), path.end());
    ASSERT_TRUE(SUCCEEDED(file->Save(widePath.c_str(), TRUE)));
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

class Launch : public ::testing::Test {
protected:
    struct Outcome {
        std::string out;
        std::string err;
        std::optional<CWindowsError> error;
    };

    // Launches with wait on, output and error on pipes, and collects what came back.
    Outcome Run(const std::string& command) {
        Pipe out = MakePipe();
        Pipe err = MakePipe();
        Outcome outcome;
        try {
            LaunchProgram(StageHandles(nullptr, out.write.Release(), err.write.Release()), command, true);
        } catch (const CWindowsError& error) {
            outcome.error = error;
        }
        outcome.out = ReadToEnd(out.read.Get()).value_or("<output never ended>");
        outcome.err = ReadToEnd(err.read.Get()).value_or("<error never ended>");
        return outcome;
    }

    CComApartment com;
    TempDir temp;
};

TEST_F(Launch, ShortcutsRefusalsAndMissingPrograms) {
    MakeShortcut(temp.File("link.LNK"), BinPath("printargs.exe"));
    temp.Write("broken.LNK", "not a shortcut");
    temp.Write("notes.txt", "text");
    EXPECT_EQ(ResolveShortcut(temp.File("link.LNK")), BinPath("printargs.exe"));
    EXPECT_EQ(ResolveShortcut(temp.File("broken.LNK")), "");
    EXPECT_EQ(ResolveShortcut(temp.File("missing.LNK")), "");

    const std::string notRecognized = "' is not recognized as an internal or external command,\r\n"
                                      "operable program or batch file.\r\n";
    struct Case {
        std::string command;
        std::string out;
        std::string err;
        bool raises;
    };
    const Case cases[] = {
        // The target receives the line as typed, its first word still naming the shortcut.
        {Quoted(temp.File("link.LNK")) + " a", "[" + Quoted(temp.File("link.LNK")) + " a]\r\n0:[" +
                                                   temp.File("link.LNK") + "]\r\n1:[a]\r\n",
         "", false},
        // File names ignore case, so every spelling of ".LNK" is followed.
        {Quoted(temp.File("link.lnk")), "[" + Quoted(temp.File("link.lnk")) + "]\r\n0:[" + temp.File("link.lnk") + "]\r\n",
         "", false},
        {Quoted(temp.File("notes.txt")), "", "", true},
        {Quoted(temp.File("broken.LNK")), "", "'" + temp.File("broken.LNK") + notRecognized, false},
        {"no-such-program x", "", "'no-such-program" + notRecognized, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        const Outcome outcome = Run(c.command);
        EXPECT_EQ(outcome.out, c.out);
        EXPECT_EQ(outcome.err, c.err);
        ASSERT_EQ(outcome.error.has_value(), c.raises);
        if (outcome.error) {
            EXPECT_NE(outcome.error->code, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
            EXPECT_NE(outcome.error->code, static_cast<std::uint32_t>(ERROR_PATH_NOT_FOUND));
        }
    }
}

// A handle that is not inheritable reaches the child as a duplicate, released when the launch ends:
// the reader sees all the output, then end of data. The inheritable error handle beside it matters:
// when a child inherits nothing at all, Wine hands the standard handles over anyway.
TEST_F(Launch, ANonInheritableHandleReachesTheChildAsADuplicate) {
    Pipe data = MakePipe();
    Pipe status = MakePipe();
    ASSERT_TRUE(SetHandleInformation(data.write.Get(), HANDLE_FLAG_INHERIT, 0));
    LaunchProgram(StageHandles(nullptr, data.write.Release(), status.write.Release()), "writen 10", true);
    EXPECT_EQ(ReadToEnd(status.read.Get()), std::optional<std::string>(""));
    EXPECT_EQ(ReadToEnd(data.read.Get()), std::optional<std::string>("xxxxxxxxxx"));
}

TEST_F(Launch, WithoutWaitingErrorLevelHoldsTheStillActiveStatus) {
    SetEnvVar("ERRORLEVEL", "unset");
    LaunchProgram(StageHandles(), "sleepms 1000", false);
    EXPECT_EQ(GetEnvVar("ERRORLEVEL"), "259");
}

// Another child started meanwhile must not keep the write end open: the reader sees end of data
// when the writer ends.
TEST_F(Launch, AReaderSeesEndOfDataWhenTheWriterEnds) {
    Pipe data = MakePipe();
    Pipe blocker = MakePipe();
    LaunchProgram(StageHandles(blocker.read.Release(), nullptr, nullptr), "copyin", false);
    LaunchProgram(StageHandles(nullptr, data.write.Release(), nullptr), "writen 10", true);
    EXPECT_EQ(ReadToEnd(data.read.Get()), std::optional<std::string>("xxxxxxxxxx"));
    blocker.write.Close();
}

// The writer must not hold the read end of its own pipe: once the reader is gone, its writes fail and
// it ends (its error handle then reaches end of data).
TEST_F(Launch, AWriterWhoseReaderEndedEnds) {
    Pipe data = MakePipe();
    Pipe status = MakePipe();
    LaunchProgram(StageHandles(nullptr, data.write.Release(), status.write.Release()), "writen 100000", false);
    data.read.Close();
    EXPECT_EQ(ReadToEnd(status.read.Get()), std::optional<std::string>(""));
}

}  // namespace
