// Editing the line in place: the key table, cursor moves, insertion, overwriting and deletion.
#include "editor/LineEditor.h"

#include <algorithm>

#include "editor/WindowScroll.h"
#include "platform/CodePage.h"

namespace {

// Only the bytes 0x20 to 0x7E can be typed: control characters and bytes above ASCII are ignored.
bool IsTypeable(char character) {
    const auto byte = static_cast<unsigned char>(character);
    return byte >= 0x20 && byte <= 0x7E;
}

bool operator==(COORD a, COORD b) {
    return a.X == b.X && a.Y == b.Y;
}

}  // namespace

LineEditor::LineEditor(ConsoleScreen& console, const ScreenInfo& screen)
    : console_(console), window_(screen.window), bufferSize_(screen.bufferSize), originRow_(screen.cursor.Y) {
    blank_.Char.UnicodeChar = 0;
    blank_.Char.AsciiChar = ' ';
    blank_.Attributes = screen.attribute;
    const auto width = static_cast<SHORT>(window_.Right - window_.Left + 1);
    grid_.Resize(COORD{width, 1}, blank_);
    grid_.ReadFromScreen(console_, COORD{0, static_cast<SHORT>(originRow_)});
    start_ = end_ = COORD{std::min(screen.cursor.X, static_cast<SHORT>(width - 1)), 0};
    MoveTo(start_);
    // The window follows the cursor: one scrolled away from the line before the read now shows the
    // line again, and whether the window or the buffer moves for a new row is decided from that
    // window, which holds the line's rows, not from the one the read started with.
    if (const std::optional<ScreenInfo> shown = console_.QueryScreen())
        window_ = shown->window;
}

bool LineEditor::PressKey(WORD virtualKey, char character) {
    switch (virtualKey) {
    case VK_RETURN:
        Finish();
        return false;
    case VK_LEFT:
        MoveLeft();
        break;
    case VK_RIGHT:
        MoveRight();
        break;
    case VK_HOME:
        MoveTo(start_);
        break;
    case VK_END:
        MoveTo(end_);
        break;
    case VK_BACK:
        if (Before(start_, grid_.Cursor())) {
            MoveLeft();
            DeleteChar();
        }
        break;
    case VK_DELETE:
        DeleteChar();
        break;
    case VK_INSERT:
        insertMode_ = !insertMode_;
        break;
    default:
        if (!IsTypeable(character))
            break;
        if (insertMode_)
            InsertChar(character);
        else
            OverwriteChar(character);
    }
    return true;
}

void LineEditor::MoveTo(COORD position) {
    grid_.SetCursor(position);
    ShowCursor();
}

void LineEditor::MoveLeft() {
    if (Before(start_, grid_.Cursor()))
        grid_.StepBack();
    ShowCursor();
}

void LineEditor::MoveRight() {
    if (Before(grid_.Cursor(), end_))
        grid_.StepForward();
    else
        grid_.SetCursor(end_);
    ShowCursor();
}

void LineEditor::InsertChar(char character) {
    // The line gets one character longer, so end moves on with it.
    if (!MakeRoomAt(end_))
        return;
    grid_.InsertAtCursor(CellOf(character));
    end_ = NextPosition(end_, grid_.Size().X);
    Advance();
}

void LineEditor::OverwriteChar(char character) {
    // Only at end does overwriting lengthen the line; the cursor never passes end.
    if (!MakeRoomAt(grid_.Cursor()))
        return;
    grid_.PutAtCursor(CellOf(character));
    Advance();
}

bool LineEditor::MakeRoomAt(COORD position) {
    // A character stored in the grid's last cell could never be part of the line, since end cannot
    // pass it: the grid needs a new row first, and a line that cannot grow refuses the key, so the
    // screen never shows a character that the line does not hold.
    const COORD size = grid_.Size();
    if (position.X != size.X - 1 || position.Y != size.Y - 1 || GrowByRow())
        return true;
    Beep();
    return false;
}

void LineEditor::Advance() {
    grid_.StepForward();
    if (Before(end_, grid_.Cursor()))
        end_ = grid_.Cursor();
    ShowCursor();
    Redraw();
}

void LineEditor::DeleteChar() {
    grid_.DeleteAtCursor();
    end_ = PreviousPosition(end_, grid_.Size().X);
    // Delete at end moved end before the cursor: that changes nothing.
    if (Before(end_, grid_.Cursor()))
        end_ = grid_.Cursor();
    ShowCursor();
    Redraw();
}

void LineEditor::Finish() {
    int row = end_.Y + originRow_ + 1;
    if (row > window_.Bottom) {
        BringRowBelowIntoView();
        row = end_.Y + originRow_ + 1;
    }
    console_.SetCursor(COORD{0, static_cast<SHORT>(row)});
}

bool LineEditor::GrowByRow() {
    const COORD size = grid_.Size();
    const int top = originRow_ - window_.Top;
    const std::optional<int> newTop = TopAfterGrowth(top, size.Y + 1);
    if (!newTop)
        return false;
    grid_.Resize(COORD{size.X, static_cast<SHORT>(size.Y + 1)}, blank_);
    if (*newTop != top)
        BringRowBelowIntoView();
    return true;
}

void LineEditor::BringRowBelowIntoView() {
    originRow_ -= ::ShowRowBelowWindow(console_, window_, bufferSize_, blank_);
}

std::optional<int> LineEditor::TopAfterGrowth(int top, int height) const {
    // A new row brings the row below the window into view as soon as the row just below the new one
    // would lie outside the window, which leaves a blank row under a line that ends on the row above
    // the bottom. Either way the line moves up the window by a row, so a grid whose top row would
    // then leave the window stops growing, and every row of the line stays on the screen.
    const int windowHeight = window_.Bottom - window_.Top + 1;
    const bool moves = top + height > windowHeight - 1;
    if (height > windowHeight || (moves && top - 1 < 0))
        return std::nullopt;
    return moves ? top - 1 : top;
}

bool LineEditor::CanGrowTo(int height) const {
    std::optional<int> top = originRow_ - window_.Top;
    for (int rows = grid_.Size().Y + 1; top && rows <= height; ++rows)
        top = TopAfterGrowth(*top, rows);
    return top.has_value();
}

WordBounds LineEditor::FindWordBounds() const {
    const COORD cursor = grid_.Cursor();
    const SHORT width = grid_.Size().X;
    WordBounds word{start_, start_};
    bool inQuote = false;
    bool quoteAtCursor = false;
    // The scan stops at the first word end at or behind the cursor, so a cursor inside a word or
    // just behind it selects the whole word.
    for (COORD position = start_; Before(position, end_);) {
        const char here = CharAt(position);
        const COORD next = NextPosition(position, width);
        const bool starts = position == start_ || (!IsWhiteSpace(here) && IsWhiteSpace(CharAt(position, -1)));
        bool ends = !IsWhiteSpace(here) && IsWhiteSpace(CharAt(position, 1));
        bool ended = false;
        if (starts && !inQuote) {
            word.a = position;
            if (here == '"') {
                inQuote = true;
                ends = false;
            }
            ended = ends;
        } else if (inQuote) {
            // Inside quotes only a closing quote followed by a blank ends the word.
            ended = ends && here == '"';
            inQuote = !ended;
        } else {
            ended = ends;
        }
        if (ended)
            word.b = next;
        position = next;
        if (position == cursor)
            quoteAtCursor = inQuote;
        if (ended && !Before(word.b, cursor))
            break;
    }
    if (Before(word.b, cursor))
        word.b = cursor;
    if (!quoteAtCursor && IsWhiteSpace(CharAt(cursor)) && IsWhiteSpace(CharAt(cursor, -1)))
        word = {cursor, cursor};
    return word;
}

bool LineEditor::ReplaceWord(COORD a, COORD b, const std::string& text) {
    const int shift = static_cast<int>(text.size()) - (grid_.Index(b) - grid_.Index(a));
    const int end = grid_.Index(end_) + shift;
    const int height = end / grid_.Size().X + 1;
    if (!CanGrowTo(height))
        return false;
    while (grid_.Size().Y < height)
        GrowByRow();
    grid_.ReplaceRange(a, b, text);
    end_ = grid_.PositionAt(end);
    MoveTo(grid_.PositionAt(grid_.Index(a) + static_cast<int>(text.size())));
    Redraw();
    return true;
}

void LineEditor::Redraw() {
    grid_.WriteToScreen(console_, COORD{0, static_cast<SHORT>(originRow_)});
}

void LineEditor::Beep() {
    console_.Beep();
}

char LineEditor::CharAt(COORD position, int offset) const {
    // The cell before the grid's first one is taken as a blank: a line from column 0 of the top row
    // has nothing before it.
    if (grid_.Index(position) + offset < 0)
        return ' ';
    return grid_.CellAt(position, offset).Char.AsciiChar;
}

void LineEditor::ShowCursor() {
    const COORD cursor = grid_.Cursor();
    console_.SetCursor(COORD{cursor.X, static_cast<SHORT>(cursor.Y + originRow_)});
}

CHAR_INFO LineEditor::CellOf(char character) const {
    CHAR_INFO cell = blank_;
    cell.Char.AsciiChar = character;
    return cell;
}
