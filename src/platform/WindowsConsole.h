// The console seam over the Win32 console functions.
#pragma once

#include "platform/ConsoleIo.h"

// Works on a console input handle and a screen buffer handle it borrows (the shell's standard
// handles). Failures are not raised: the seam reports them where the editor needs to know.
class WindowsConsole : public ConsoleIo {
public:
    WindowsConsole(HANDLE input, HANDLE output) : input_(input), output_(output) {}

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
    HANDLE input_;
    HANDLE output_;
};
