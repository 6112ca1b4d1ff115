// The read loop: every input event is traced, key presses go to the editor, mouse events move the
// console cursor alone.
#include "editor/ConsoleReader.h"

#include "editor/Completion.h"
#include "editor/LineEditor.h"
#include "editor/RawInputMode.h"

std::optional<std::string> ConsoleReader::ReadLine() {
    CRawInputMode raw(console_, userMode_);
    const std::optional<ScreenInfo> screen = console_.QueryScreen();
    if (!screen || screen->window.Right < screen->window.Left || screen->window.Bottom < screen->window.Top)
        return std::nullopt;
    LineEditor editor(console_, *screen);
    CompletionList completions;
    INPUT_RECORD event;
    while (console_.ReadInput(event)) {
        console_.Trace(" ---------- " + std::to_string(event.EventType) + "\n");
        if (event.EventType == MOUSE_EVENT) {
            // The edit position is kept: the next editing key shows the cursor there again.
            console_.SetCursor(event.Event.MouseEvent.dwMousePosition);
        } else if (event.EventType == KEY_EVENT && event.Event.KeyEvent.bKeyDown) {
            const KEY_EVENT_RECORD& key = event.Event.KeyEvent;
            // Tab completes; any other key press, Shift alone included, ends the cycle, so the
            // next Tab searches again for what the line then holds.
            if (key.wVirtualKeyCode == VK_TAB)
                CompleteWord(editor, completions);
            else
                completions = {};
            if (!editor.PressKey(key.wVirtualKeyCode, key.uChar.AsciiChar))
                return editor.Line();
        }
    }
    return std::nullopt;
}
