// The cell grid's operations: cursor stepping with clamping, shifting cells in linear order, and
// block transfers to and from the screen.
#include "editor/CellGrid.h"

#include <algorithm>

bool Before(COORD a, COORD b) {
    return a.Y < b.Y || (a.Y == b.Y && a.X < b.X);
}

COORD NextPosition(COORD position, SHORT width) {
    if (++position.X > width - 1) {
        position.X = 0;
        ++position.Y;
    }
    return position;
}

COORD PreviousPosition(COORD position, SHORT width) {
    if (--position.X < 0) {
        position.X = static_cast<SHORT>(width - 1);
        --position.Y;
    }
    return position;
}

void CellGrid::Resize(COORD size, CHAR_INFO fill) {
    const int count = std::max(size.X * size.Y, 0);
    std::vector<CHAR_INFO> cells(count, fill);
    std::copy_n(cells_.begin(), std::min(CellCount(), count), cells.begin());
    cells_ = std::move(cells);
    size_ = size;
    Clamp();
}

bool CellGrid::Clamp() {
    const COORD before = cursor_;
    if (cursor_.X < 0)
        cursor_.X = 0;
    else if (cursor_.X >= size_.X)
        cursor_.X = static_cast<SHORT>(size_.X - 1);
    if (cursor_.Y < 0)
        cursor_.Y = 0;
    else if (cursor_.Y >= size_.Y)
        cursor_.Y = static_cast<SHORT>(size_.Y - 1);
    return cursor_.X != before.X || cursor_.Y != before.Y;
}

bool CellGrid::SetCursor(COORD position) {
    cursor_ = position;
    return !Clamp();
}

bool CellGrid::StepForward() {
    return SetCursor(NextPosition(cursor_, size_.X));
}

bool CellGrid::StepBack() {
    return SetCursor(PreviousPosition(cursor_, size_.X));
}

bool CellGrid::StepDown() {
    return SetCursor(COORD{cursor_.X, static_cast<SHORT>(cursor_.Y + 1)});
}

CHAR_INFO CellGrid::CellAt(COORD position, int offset) const {
    return cells_[Index(position) + offset];
}

void CellGrid::InsertAtCursor(CHAR_INFO cell) {
    const auto at = cells_.begin() + Index(cursor_);
    std::copy_backward(at, cells_.end() - 1, cells_.end());
    *at = cell;
}

void CellGrid::DeleteAtCursor() {
    std::copy(cells_.begin() + Index(cursor_) + 1, cells_.end(), cells_.begin() + Index(cursor_));
}

void CellGrid::PutAtCursor(CHAR_INFO cell) {
    At(cursor_) = cell;
}

int CellGrid::ReplaceRange(COORD a, COORD b, const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int shift = length - (Index(b) - Index(a));
    const auto from = cells_.begin() + Index(b);
    if (shift > 0) {
        std::copy_backward(from, cells_.end() - shift, cells_.end());
    } else if (shift < 0) {
        std::copy(from, cells_.end(), from + shift);
        const CHAR_INFO last = cells_.back();
        std::fill(cells_.end() + shift, cells_.end(), last);
    }
    // The whole character field: a cell read from the screen may hold a character no byte stands for.
    for (int k = 0; k < length; ++k)
        cells_[Index(a) + k].Char.UnicodeChar = static_cast<unsigned char>(text[k]);
    return shift;
}

std::string CellGrid::Text(COORD a, COORD b) const {
    std::string text;
    for (int i = Index(a); i < Index(b); ++i)
        text += cells_[i].Char.AsciiChar;
    return text;
}

SMALL_RECT CellGrid::ScreenRegion(COORD origin) const {
    return SMALL_RECT{origin.X, origin.Y, static_cast<SHORT>(origin.X + size_.X), static_cast<SHORT>(origin.Y + size_.Y)};
}

void CellGrid::ReadFromScreen(ConsoleScreen& console, COORD origin) {
    if (!cells_.empty())
        console.ReadCells(cells_.data(), size_, ScreenRegion(origin));
}

void CellGrid::WriteToScreen(ConsoleScreen& console, COORD origin) const {
    if (!cells_.empty())
        console.WriteCells(cells_.data(), size_, ScreenRegion(origin));
}
