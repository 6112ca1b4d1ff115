// The real tarvik.exe on a console of its own, typed at through the console driver: the rows the
// screen buffer shows after each key script, the title, Ctrl+C, and the history above the line.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "platform/WindowsConsole.h"
#include "support/ConsoleDriver.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"
#include "support/Transcript.h"

namespace {

using Rows = std::vector<std::string>;

// The rows a transcript fills on a console of the given width: each line wraps at the width, and a
// line that fills its last row exactly leaves the cursor on the row below, as console output does.
Rows RowsOf(const std::string& text, std::size_t width) {
    Rows rows;
    for (std::size_t from = 0; from < text.size();) {
        const std::size_t end = text.find("\r\n", from);
        const std::string line = text.substr(from, end - from);
        for (std::size_t at = 0; at <= line.size(); at += width)
            rows.push_back(line.substr(at, width));
        from = end + 2;
    }
    return rows;
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    while (times-- > 0)
        repeated += text;
    return repeated;
}

class ConsoleSession : public testing::Test {
protected:
    SHORT Width() const { return shell.Info().dwSize.X; }
    COORD Cursor() const { return shell.Info().dwCursorPosition; }
    std::string RowAt(COORD cursor) const { return shell.Rows(cursor.Y, cursor.Y).at(0); }
    std::string CursorRow() const { return RowAt(Cursor()); }

    // The shell waits for a line: it has read every key typed, and the cursor stands behind a prompt.
    // Enter's key-up is left unread until the next line is read, after its prompt is shown.
    bool WaitForPrompt() const {
        return CConsoleDriver::WaitUntil([this] {
            if (shell.PendingInput() != 0)
                return false;
            // One look at the cursor: the shell may move it between two.
            const COORD cursor = Cursor();
            const std::string row = RowAt(cursor);
            return !row.empty() && row.back() == '>' && cursor.X == static_cast<SHORT>(row.size());
        });
    }

    // Types the script at the prompt and waits for the next one; the rows from the line's prompt row
    // up to the new prompt's row.
    Rows Run(const std::string& script) {
        const SHORT start = Cursor().Y;
        shell.Type(script);
        EXPECT_TRUE(WaitForPrompt()) << "no prompt after " << script;
        return shell.Rows(start, static_cast<SHORT>(Cursor().Y - 1));
    }

    // What the buffer shows for a line typed at the prompt of the test's folder and its output.
    Rows Typed(const std::string& line, const std::string& output) const {
        return RowsOf(::Typed(temp.Path(), line) + output, Width());
    }

    TempDir temp;
    CConsoleDriver shell{QuotedBinPath("tarvik.exe"), temp.Path()};
};

TEST_F(ConsoleSession, KeyScripts) {
    ASSERT_TRUE(WaitForPrompt());
    EXPECT_EQ(shell.Rows(0, Cursor().Y), RowsOf(kBanner + temp.Path() + ">\r\n", Width()));
    EXPECT_EQ(shell.Title(), "Tarvik");
    CreateDirectoryA(temp.File("Tab Folder").c_str(), nullptr);
    temp.Write("Tab Folder\\twin1.txt", "");
    temp.Write("Tab Folder\\twin2.txt", "");
    CreateDirectoryA(temp.File("Tab Folder\\Z\xFCrich").c_str(), nullptr);
    temp.Write("Tab Folder\\Z\xFCrich\\gr\xFC\xDF" "e.txt", "opened\r\n");
    const std::string wrapped = std::string(87, 'x') + "END";
    struct Case {
        std::string script;
        std::string line;  // as the screen shows it behind the prompt
        std::string output;
    };
    // Each unknown word comes back in the not-recognized message, so the message shows the line the
    // editor handed over. Tab completes a folder with a blank in quotes; a second Tab steps to the
    // second of two matches. Names outside ASCII show as the file system spells them, in the line, the
    // prompt and output; a key outside ASCII is still not taken.
    const Case cases[] = {
        {"hello world{Enter}", "hello world", NotRecognized("hello") + "\r\n"},
        {"midlne{Left}{Left}i{Enter}", "midline", NotRecognized("midline") + "\r\n"},
        {"backsXpace{Left}{Left}{Left}{Left}{Back}{Enter}", "backspace", NotRecognized("backspace") + "\r\n"},
        {"ome{Home}h{End}run{Enter}", "homerun", NotRecognized("homerun") + "\r\n"},
        {"overwrXXX{Left}{Left}{Left}{Ins}ite{Enter}", "overwrite", NotRecognized("overwrite") + "\r\n"},
        {"arrow{Up}{Down}keys{Enter}", "arrowkeys", NotRecognized("arrowkeys") + "\r\n"},
        {wrapped + "{Enter}", wrapped, NotRecognized(wrapped) + "\r\n"},
        {"printargs on screen{Enter}", "printargs on screen",
         "[printargs on screen]\r\n0:[printargs]\r\n1:[on]\r\n2:[screen]\r\n\r\n"},
        {"cd \"Tab F{Tab}{Enter}", "cd \"Tab Folder\\\"", "\r\n"},
        {"printargs tw{Tab}{Enter}", "printargs twin1.txt", "[printargs twin1.txt]\r\n0:[printargs]\r\n1:[twin1.txt]\r\n\r\n"},
        {"printargs tw{Tab}{Tab}{Enter}", "printargs twin2.txt",
         "[printargs twin2.txt]\r\n0:[printargs]\r\n1:[twin2.txt]\r\n\r\n"},
        {"cd Z{Tab}{Enter}", "cd Z\xFCrich\\", "\r\n"},
        {"cd{Enter}", "cd", temp.Path() + "\\Tab Folder\\Z\xFCrich\r\n\r\n"},
        {"copyin < gr{Tab}{Enter}", "copyin < gr\xFC\xDF" "e.txt", "opened\r\n\r\n"},
        {"gr\xFC\xDF" "e{Enter}", "gre", NotRecognized("gre") + "\r\n"},
        {"{Enter}", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const std::string prompt = CursorRow();
        EXPECT_EQ(Run(c.script), RowsOf(prompt + c.line + "\r\n" + c.output, Width()));
    }
    EXPECT_EQ(CursorRow(), temp.Path() + "\\Tab Folder\\Z\xFCrich>");
    shell.Type("exit{Enter}");
    EXPECT_EQ(shell.WaitForExit(), 0u);
}

// The title shows the line while its program runs, a name outside ASCII as it is spelt; Ctrl+C ends
// the program, and at the prompt it leaves the shell reading the line. A program that dies with the
// console in raw input leaves the next one the user's mode, where the typed Ctrl+C key ends it too.
TEST_F(ConsoleSession, CtrlCEndsTheRunningProgramAndTheShellGoesOn) {
    const auto startSleeper = [this](const std::string& script, const std::string& title) {
        shell.Type(script + "{Enter}");
        EXPECT_TRUE(CConsoleDriver::WaitUntil([this, &title] { return shell.Title() == title; }));
        // The title is set before the program starts: Ctrl+C waits until it is on the console.
        EXPECT_TRUE(CConsoleDriver::WaitUntil([this] { return shell.ProcessCount() == 3; }));
    };
    // The program sleeps 30 s: it leaves the console well before unless Ctrl+C failed to end it. A
    // program that has just joined the console may not take the event yet on a loaded machine, so
    // Ctrl+C is repeated while the program is still there. The shell's own handler writes its line
    // end on a thread of its own, which may land after the next prompt: an empty line then brings a
    // prompt that nothing follows.
    const auto endWith = [this](const std::function<void()>& ctrlC) {
        bool ended = false;
        for (int tries = 0; tries < 10 && !ended; ++tries) {
            ctrlC();
            ended = CConsoleDriver::WaitUntil([this] { return shell.ProcessCount() < 3; }, 1000);
        }
        if (!ended)
            return false;
        shell.Type("{Enter}");
        return WaitForPrompt();
    };
    ASSERT_TRUE(WaitForPrompt());
    temp.Write("gr\xFC\xDF" "e.txt", "");
    startSleeper("sleepms 30000 gr{Tab}", "sleepms 30000 gr\xFC\xDF" "e.txt");
    EXPECT_TRUE(endWith([this] { shell.CtrlC(); }));
    EXPECT_EQ(shell.Title(), "Tarvik");
    EXPECT_EQ(Run("after{Enter}"), Typed("after", NotRecognized("after") + "\r\n"));

    const COORD prompt = Cursor();
    shell.CtrlC();
    EXPECT_TRUE(CConsoleDriver::WaitUntil([&] { return Cursor().Y == prompt.Y + 1; }));
    shell.Type("again{Enter}");
    EXPECT_TRUE(WaitForPrompt());
    EXPECT_EQ(shell.Rows(prompt.Y, static_cast<SHORT>(Cursor().Y - 1)), Typed("again", NotRecognized("again") + "\r\n"));

    const Rows userMode = Run("inputmode 8{Enter}");
    ASSERT_GE(userMode.size(), 2u);
    EXPECT_EQ(Run("inputmode{Enter}").at(1), userMode.at(1));
    startSleeper("sleepms 30000", "sleepms 30000");
    EXPECT_TRUE(endWith([this] { shell.Type("{CtrlC}"); }));
    EXPECT_EQ(shell.WaitForExit(0), std::nullopt);

    // At exit the shell waits for a built-in's output held for a reader that never reads, never ends
    // and ignores Ctrl+C; a Ctrl+C ends that wait, and the shell says what was lost.
    Run("set ZQ=`writen 5000`{Enter}");
    Run("set ZQ | sleepms 20000 noctrlc |{Enter}");
    const SHORT exitRow = Cursor().Y;
    shell.Type("exit{Enter}");
    std::optional<DWORD> status;
    for (int tries = 0; tries < 50 && !status; ++tries) {
        shell.CtrlC();
        status = shell.WaitForExit(200);
    }
    EXPECT_EQ(status, 0u);
    const Rows after = shell.Rows(exitRow, shell.Info().dwCursorPosition.Y);
    const std::string lost = " bytes of output were not delivered";
    EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&lost](const std::string& row) {
        return row.size() > lost.size() && row.ends_with(lost) && row.front() != '0';
    })) << testing::PrintToString(after);
}

// The seam's cells hold the ANSI byte of a character the code page has, and keep one it lacks (a box
// line a program left on the prompt's row) as itself, so a redraw shows what was there.
TEST_F(ConsoleSession, CellsKeepWhatTheScreenShows) {
    ASSERT_TRUE(WaitForPrompt());
    const OwnedHandle output(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    const std::wstring shown = L"\x2554\x2550 \xFCx";
    const COORD size{static_cast<SHORT>(shown.size()), 1};
    const SHORT row = static_cast<SHORT>(shell.Info().dwSize.Y - 1);
    const SMALL_RECT region{0, row, static_cast<SHORT>(size.X - 1), row};
    DWORD count = 0;
    ASSERT_TRUE(WriteConsoleOutputCharacterW(output.Get(), shown.data(), size.X, COORD{0, row}, &count));
    WindowsConsole console(nullptr, output.Get());
    std::vector<CHAR_INFO> cells(shown.size());
    console.ReadCells(cells.data(), size, region);
    EXPECT_EQ(cells[3].Char.UnicodeChar, 0xFCu);
    EXPECT_EQ(cells[4].Char.UnicodeChar, L'x');
    ASSERT_TRUE(FillConsoleOutputCharacterW(output.Get(), L' ', size.X, COORD{0, row}, &count));
    console.WriteCells(cells.data(), size, region);
    std::wstring back(shown.size(), L'\0');
    ASSERT_TRUE(ReadConsoleOutputCharacterW(output.Get(), back.data(), size.X, COORD{0, row}, &count));
    EXPECT_TRUE(back == shown);
}

// Every typed line, its output and the banner stay in the buffer, in order: while the window moves
// down the buffer, and once the buffer is full, when only its oldest rows go. A line longer than the
// window's width, typed on the window's bottom row, wraps, and an insert in its middle edits it in
// place.
TEST_F(ConsoleSession, HistoryStaysInTheBuffer) {
    ASSERT_TRUE(WaitForPrompt());
    // A console handed to a terminal that keeps its own scrollback may have no buffer beyond its window.
    const CONSOLE_SCREEN_BUFFER_INFO info = shell.Info();
    if (info.dwSize.Y <= info.srWindow.Bottom - info.srWindow.Top + 1)
        GTEST_SKIP() << "the console's buffer is just its window";
    Rows history = RowsOf(kBanner, Width());
    const auto run = [&](const std::string& script, const std::string& line, const std::string& output) {
        SCOPED_TRACE(line);
        Run(script);
        const Rows typed = Typed(line, output);
        history.insert(history.end(), typed.begin(), typed.end());
    };
    const std::string digits = Repeat("0123456789", 14);
    const auto typeLongLine = [&] {
        ASSERT_EQ(Cursor().Y, shell.Info().srWindow.Bottom);
        const std::string line = "printargs " + digits.substr(0, 70) + "INS" + digits.substr(70);
        run("printargs " + digits + Repeat("{Left}", 70) + "INS{Enter}", line,
            "[" + line + "]\r\n0:[printargs]\r\n1:[" + line.substr(10) + "]\r\n\r\n");
    };
    const auto typeLines = [&](int first) {
        for (int n = first; n < first + 40; n += 2) {
            const std::string name = "L" + std::to_string(n);
            run("set " + name + "=v" + std::to_string(n) + "{Enter}", "set " + name + "=v" + std::to_string(n), "\r\n");
            run("set " + name + "{Enter}", "set " + name, name + "=v" + std::to_string(n) + "\r\n\r\n");
        }
    };
    const auto expectHistory = [&] {
        const SHORT row = Cursor().Y;
        ASSERT_LE(static_cast<std::size_t>(row), history.size());
        EXPECT_EQ(shell.Rows(0, static_cast<SHORT>(row - 1)), Rows(history.end() - row, history.end()));
        EXPECT_EQ(CursorRow(), temp.Path() + ">");
    };

    typeLines(1);
    typeLongLine();
    EXPECT_EQ(static_cast<std::size_t>(Cursor().Y), history.size());
    expectHistory();

    typeLines(41);
    ASSERT_EQ(Cursor().Y, shell.Info().dwSize.Y - 1);
    typeLongLine();
    expectHistory();
}

}  // namespace
