// The console seam over the Win32 console functions.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/ConsoleIo.h"

// Works on a console input handle and a screen buffer handle it borrows (the shell's standard
// handles). Failures are not raised: the seam reports them where the editor needs to know.
//
// The editor's cells and keys hold bytes in the ANSI code page, the one the file system's names come
// in, while a console's byte calls go through its own (OEM) code page, where the same byte is another
// character. Where every ANSI character is one byte, the seam uses the console's wide calls and
// converts each cell and key, so the screen shows the characters the bytes stand for; a screen
// character the code page lacks stays in its cell as itself, above 0xFF where no byte is. Where a
// character can take more bytes than a cell holds, it keeps the byte calls.
class WindowsConsole : public ConsoleIo {
public:
    WindowsConsole(HANDLE input, HANDLE output);

    bool ReadInput(INPUT_RECORD& event) override;
    std::optional<ScreenInfo> QueryScreen() override;
    void ReadCells(CHAR_INFO* cells, COORD size, SMALL_RECT region) override;
    void WriteCells(const CHAR_INFO* cells, COORD size, SMALL_RECT region) override;
    void Scroll(SMALL_RECT rectangle, COORD destination, CHAR_INFO fill) override;
    void SetCursor(COORD position) override;
    std::optional<DWORD> InputMode() override;
    void SetInputMode(DWORD mode) override;
    void Beep() override;
    void Trace(const std::string& text) override;

private:
    // The console's character for an ANSI byte; the byte for a console's character, none when the code
    // page lacks it.
    WCHAR Character(char byte) const;
    std::optional<char> AnsiByte(WCHAR character) const;

    HANDLE input_;
    HANDLE output_;
    std::optional<std::array<wchar_t, 256>> characters_;
    std::vector<CHAR_INFO> wideCells_;  // kept between writes: the line is redrawn after every key
};
