// Mouse on the rows, keyboard navigation, incremental search, context menus and tooltips.
#include <algorithm>

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/TreeGrid.h"

namespace widgets {
namespace {

constexpr DWORD kSearchTimeoutMs = 200;

bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    if (text.size() < prefix.size()) return false;
    const int n = static_cast<int>(prefix.size());
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text.c_str(), n, prefix.c_str(),
                            n) == CSTR_EQUAL;
}

}  // namespace

bool TreeGrid::RowMouseMessage(UINT message, POINT p) {
    if (Updating()) return false;
    int column = -1;
    const RowId row = RowAt(p, &column);
    switch (message) {
        case WM_MOUSEMOVE:
            TrackTooltip(p);
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            ::SetFocus(Handle());
            if (row == kNoRow) return true;
            const RECT cell = CellRect(row, 0);
            const int buttonLeft = NameTextLeft(row, cell.left) - indent_;
            const bool onButton = column == 0 && p.x >= buttonLeft && p.x < buttonLeft + indent_ &&
                                  rows_->ChildCount(row) > 0;
            if (onButton || message == WM_LBUTTONDBLCLK) {
                if (!onButton) FocusAndSelect(row);
                SetExpanded(row, !rows_->Expanded(row));
            } else {
                FocusAndSelect(row);
            }
            return true;
        }
        case WM_RBUTTONDOWN:
            // The menu acts on the focused row, so the clicked row becomes it first.
            ::SetFocus(Handle());
            if (row != kNoRow) FocusAndSelect(row);
            return true;
        case WM_RBUTTONUP: {
            POINT screen = p;
            ::ClientToScreen(Handle(), &screen);
            ShowContextMenu(row, column, screen);
            return true;
        }
        default:
            return false;
    }
}

void TreeGrid::ShowContextMenu(RowId row, int column, POINT screen) {
    if (Updating()) return;
    HMENU menu = owner_->PopupMenu(row, column, screen);
    if (!menu) return;
    const UINT command =
        static_cast<UINT>(::TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                             screen.x, screen.y, Handle(), nullptr));
    if (command != 0) owner_->MenuCommand(command);
}

// The menu key and Shift+F10: the menu of the focused row, over its name cell.
void TreeGrid::ShowKeyboardMenu() {
    if (Updating()) return;
    POINT at{0, headerHeight_};
    const RECT cell = CellRect(focused_, 0);
    if (cell.bottom > cell.top) at = {NameTextLeft(focused_, cell.left), cell.bottom};
    ::ClientToScreen(Handle(), &at);
    ShowContextMenu(focused_, 0, at);
}

void TreeGrid::MoveFocus(int64_t rows) {
    const uint32_t count = visible_->Count();
    if (count == 0) return;
    const uint32_t index = visible_->IndexOf(focused_);
    int64_t target = index == VisibleRows::kNotVisible ? 0 : int64_t{index} + rows;
    target = std::clamp<int64_t>(target, 0, int64_t{count} - 1);
    FocusAndSelect(visible_->At(static_cast<uint32_t>(target)));
}

bool TreeGrid::KeyDown(WPARAM key) {
    if (Updating()) return false;
    const int64_t page = std::max<int64_t>(FullRows(), 1);
    const RowId row = focused_;
    const bool hasChildren = row != kNoRow && rows_->ChildCount(row) > 0;
    switch (key) {
        case VK_UP:
            MoveFocus(-1);
            return true;
        case VK_DOWN:
            MoveFocus(1);
            return true;
        case VK_PRIOR:
            MoveFocus(-page);
            return true;
        case VK_NEXT:
            MoveFocus(page);
            return true;
        case VK_HOME:
            MoveFocus(-int64_t{visible_->Count()});
            return true;
        case VK_END:
            MoveFocus(visible_->Count());
            return true;
        case VK_LEFT:
            if (row == kNoRow) return true;
            if (hasChildren && rows_->Expanded(row))
                SetExpanded(row, false);
            else if (rows_->Parent(row) != kNoRow)
                FocusAndSelect(rows_->Parent(row));
            return true;
        case VK_RIGHT:
            if (!hasChildren) return true;
            if (!rows_->Expanded(row))
                SetExpanded(row, true);
            else
                FocusAndSelect(rows_->Child(row, 0));
            return true;
        case VK_ADD:
        case VK_SUBTRACT:
        case VK_MULTIPLY:
            swallowChar_ = true;  // the '+', '-' or '*' that follows is no search text
            if (row == kNoRow) return true;
            if (key == VK_MULTIPLY)
                FullExpand(row);
            else
                SetExpanded(row, key == VK_ADD);
            return true;
        case VK_APPS:
            return true;  // the menu opens when the key is released
        default:
            return false;
    }
}

// Typed characters find the next row, in tree order over every row (also inside collapsed
// folders), whose name starts with them; a pause starts a new search text.
void TreeGrid::Search(wchar_t c) {
    const DWORD now = ::GetTickCount();
    const bool fresh = search_.empty() || now - lastSearchKey_ > kSearchTimeoutMs;
    lastSearchKey_ = now;
    search_ = fresh ? std::wstring(1, c) : search_ + c;
    const RowId first = FirstRow(*rows_);
    if (first == kNoRow) return;
    RowId start = focused_ == kNoRow ? first : focused_;
    if (fresh && focused_ != kNoRow) start = NextRow(*rows_, start);
    if (start == kNoRow) start = first;
    RowId row = start;
    do {
        if (StartsWith(owner_->CellText(row, 0), search_)) {
            MakeFullyVisible(row);
            FocusAndSelect(row);
            return;
        }
        row = NextRow(*rows_, row);
        if (row == kNoRow) row = first;
    } while (row != start);
}

std::wstring TreeGrid::TruncatedTextAt(POINT p) const {
    int column = -1;
    const RowId row = RowAt(p, &column);
    if (row == kNoRow || column < 0) return {};
    const RECT cell = CellRect(row, column);
    std::wstring text = owner_->CellText(row, column);
    int room = cell.right - cell.left - Scale(8);
    if (column == 0) {
        room = cell.right - Scale(4) - NameTextLeft(row, cell.left) - Scale(4);
        if (images_ && owner_->ImageIndex(row, 0) >= 0) room -= Scale(18);
    }
    HDC dc = ::GetDC(Handle());
    HGDIOBJ old = ::SelectObject(dc, GetFont({L"Arial", -11}));
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(Handle(), dc);
    return size.cx > room ? text : std::wstring();
}

// One tool over the cell under the mouse; its text is empty when the cell's text fits.
void TreeGrid::TrackTooltip(POINT p) {
    int column = -1;
    const RowId row = RowAt(p, &column);
    if (row == tipRow_ && column == tipColumn_) return;
    tipRow_ = row;
    tipColumn_ = column;
    tipText_ = TruncatedTextAt(p);
    ::SendMessageW(tooltip_, TTM_POP, 0, 0);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = Handle();
    tool.uId = 1;
    tool.rect = row == kNoRow || tipText_.empty() ? RECT{0, 0, 0, 0} : CellRect(row, column);
    ::SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace widgets
