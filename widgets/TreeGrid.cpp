#include "widgets/TreeGrid.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/Dpi.h"

namespace widgets {

TreeGrid::TreeGrid() = default;

TreeGrid::~TreeGrid() {
    if (tooltip_) ::DestroyWindow(tooltip_);
}

void TreeGrid::Create(HWND parent, const Bounds& bounds, RowSource& rows, TreeGridOwner& owner) {
    rows_ = &rows;
    owner_ = &owner;
    visible_ = std::make_unique<VisibleRows>(rows);
    rowHeight_ = Scale(18);
    indent_ = Scale(18);
    headerHeight_ = Scale(17);
    CreateWindowOf(L"KsTreeGrid", parent, L"结果表格", bounds,
                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL);
    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                 WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_SUBCLASS | TTF_TRANSPARENT;
    tool.hwnd = Handle();
    tool.uId = 1;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    UpdateScrollBars();
}

int TreeGrid::AddColumn(GridColumn column) {
    column.width = Scale(column.width);
    column.minWidth = Scale(column.minWidth);
    column.maxWidth = Scale(column.maxWidth);
    const int index = columns_.Add(std::move(column));
    UpdateScrollBars();
    return index;
}

void TreeGrid::SetColumnOptions(int column, uint32_t options) {
    columns_.SetOptions(column, options);
    UpdateScrollBars();
    Invalidate();
}

void TreeGrid::SetColumnWidth(int column, int pixels) {
    columns_.SetWidth(column, pixels);
    UpdateScrollBars();
    Invalidate();
}

void TreeGrid::MoveColumn(int column, int place) {
    columns_.Move(column, place);
    Invalidate();
}

void TreeGrid::SetSort(int column, bool ascending) {
    sortColumn_ = column;
    sortAscending_ = ascending;
    if (!Updating()) {
        owner_->ApplySort(sortColumn_, sortAscending_);
        visible_->OrderChanged();
    }
    Invalidate();
}

void TreeGrid::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ > 0) return;
    owner_->ApplySort(sortColumn_, sortAscending_);
    visible_->OrderChanged();
    RowsChanged();
    if (focused_ != kNoRow) ScrollIntoView(focused_);
}

void TreeGrid::Clear() {
    visible_->CollapseAll(kNoRow);
    visible_->Reset();
    top_ = 0;
    selected_ = kNoRow;
    if (focused_ != kNoRow) {
        focused_ = kNoRow;
        owner_->FocusChanged(kNoRow, 0);
    }
    RowsChanged();
}

void TreeGrid::SetFocusedNode(RowId row) {
    if (row == focused_) return;
    focused_ = row;
    if (!Updating() && visible_->IsVisible(row)) ScrollIntoView(row);
    owner_->FocusChanged(row, 0);
    Invalidate();
}

void TreeGrid::Select(RowId row) {
    selected_ = row;
    Invalidate();
}

void TreeGrid::FocusAndSelect(RowId row) {
    SetFocusedNode(row);
    Select(row);
}

void TreeGrid::SetExpanded(RowId row, bool expanded) {
    if (row == kNoRow || rows_->Expanded(row) == expanded) return;
    visible_->SetExpanded(row, expanded);
    RowsChanged();
    if (!expanded) owner_->Collapsed(row);
}

void TreeGrid::FullExpand(RowId row) {
    visible_->ExpandAll(row);
    RowsChanged();
}

void TreeGrid::FullCollapse(RowId row) {
    visible_->CollapseAll(row);
    RowsChanged();
    if (row != kNoRow) owner_->Collapsed(row);
}

void TreeGrid::MakeFullyVisible(RowId row) {
    if (row == kNoRow) return;
    std::vector<RowId> ancestors;
    for (RowId p = rows_->Parent(row); p != kNoRow; p = rows_->Parent(p)) ancestors.push_back(p);
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) SetExpanded(*it, true);
    if (!Updating()) ScrollIntoView(row);
}

void TreeGrid::ScrollIntoView(RowId row) {
    const uint32_t index = visible_->IndexOf(row);
    if (index == VisibleRows::kNotVisible) return;
    const uint32_t page = std::max(FullRows(), 1u);
    if (index < top_) {
        SetTopIndex(index);
    } else if (index >= top_ + page) {
        SetTopIndex(index - page + 1);
    }
}

uint32_t TreeGrid::FullRows() const {
    RECT client = ClientRect();
    const int height = client.bottom - headerHeight_;
    return height > 0 ? static_cast<uint32_t>(height / rowHeight_) : 0;
}

void TreeGrid::SetTopIndex(uint32_t index) {
    const uint32_t count = Updating() ? 0 : visible_->Count();
    const uint32_t page = FullRows();
    const uint32_t last = count > page ? count - page : 0;
    top_ = std::min(index, last);
    UpdateScrollBars();
    Invalidate();
}

void TreeGrid::RowsChanged() {
    SetTopIndex(top_);
}

void TreeGrid::UpdateScrollBars() {
    if (!Handle()) return;
    RECT client = ClientRect();
    SCROLLINFO v{sizeof v, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    const uint32_t count = Updating() ? 0 : visible_->Count();
    v.nMax = count > 0 ? static_cast<int>(count - 1) : 0;
    v.nPage = FullRows();
    v.nPos = static_cast<int>(top_);
    ::SetScrollInfo(Handle(), SB_VERT, &v, TRUE);
    const int total = columns_.TotalWidth();
    scrollX_ = std::max(0, std::min(scrollX_, total - static_cast<int>(client.right)));
    SCROLLINFO h{sizeof h,
                 SIF_RANGE | SIF_PAGE | SIF_POS,
                 0,
                 std::max(total - 1, 0),
                 static_cast<UINT>(client.right),
                 scrollX_,
                 0};
    ::SetScrollInfo(Handle(), SB_HORZ, &h, TRUE);
}

void TreeGrid::SetScrollX(int x) {
    scrollX_ = x;
    UpdateScrollBars();
    Invalidate();
}

void TreeGrid::Scroll(int bar, int request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(Handle(), bar, &info);
    const int line = bar == SB_VERT ? 1 : Scale(16);
    const int page = std::max(static_cast<int>(info.nPage), 1);
    int pos = info.nPos;
    switch (request) {
        case SB_LINEUP:
            pos -= line;
            break;
        case SB_LINEDOWN:
            pos += line;
            break;
        case SB_PAGEUP:
            pos -= page;
            break;
        case SB_PAGEDOWN:
            pos += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = info.nTrackPos;
            break;
        case SB_TOP:
            pos = 0;
            break;
        case SB_BOTTOM:
            pos = info.nMax;
            break;
        default:
            return;
    }
    pos = std::max(pos, 0);
    if (bar == SB_VERT)
        SetTopIndex(static_cast<uint32_t>(pos));
    else
        SetScrollX(pos);
}

RECT TreeGrid::CellRect(RowId row, int column) const {
    RECT none{0, 0, 0, 0};
    if (Updating() || !columns_.Visible(column)) return none;
    const uint32_t index = visible_->IndexOf(row);
    if (index == VisibleRows::kNotVisible || index < top_) return none;
    const int top = headerHeight_ + static_cast<int>(index - top_) * rowHeight_;
    RECT client = ClientRect();
    if (top >= client.bottom) return none;
    const int left = columns_.Left(column) - scrollX_;
    return RECT{left, top, left + columns_[column].width, top + rowHeight_};
}

RECT TreeGrid::HeaderRect(int column) const {
    if (!columns_.Visible(column)) return RECT{0, 0, 0, 0};
    const int left = columns_.Left(column) - scrollX_;
    return RECT{left, 0, left + columns_[column].width, headerHeight_};
}

RowId TreeGrid::RowAt(POINT p, int* column) const {
    if (column) *column = columns_.ColumnAt(p.x + scrollX_);
    if (Updating() || p.y < headerHeight_) return kNoRow;
    const uint32_t index = top_ + static_cast<uint32_t>((p.y - headerHeight_) / rowHeight_);
    return visible_->At(index);
}

void TreeGrid::SetStateImages(HIMAGELIST images) {
    images_ = images;
    Invalidate();
}

void TreeGrid::PaintTo(HDC dc) {
    RECT client = ClientRect();
    PaintBackground(dc, client);
    Paint(dc, client);
}

size_t TreeGrid::MemoryBytes() const {
    return sizeof *this + visible_->MemoryBytes() +
           static_cast<size_t>(columns_.Count()) * sizeof(GridColumn);
}

LRESULT TreeGrid::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_SIZE:
            RowsChanged();
            break;
        case WM_VSCROLL:
            Scroll(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_HSCROLL:
            Scroll(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL: {
            const int rows = -GET_WHEEL_DELTA_WPARAM(wParam) * 3 / WHEEL_DELTA;
            SetTopIndex(static_cast<uint32_t>(std::max<int64_t>(0, int64_t{top_} + rows)));
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Invalidate();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (KeyDown(wParam)) return 0;
            break;
        case WM_KEYUP:
            if (wParam == VK_APPS) {
                ShowKeyboardMenu();
                return 0;
            }
            break;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F10 && (::GetKeyState(VK_SHIFT) & 0x8000)) {
                ShowKeyboardMenu();
                return 0;
            }
            break;
        case WM_CHAR:
            if (swallowChar_) {
                swallowChar_ = false;
            } else if (wParam >= L' ') {
                Search(static_cast<wchar_t>(wParam));
            }
            return 0;
        case WM_CONTEXTMENU:
            if (lParam == -1) {
                ShowKeyboardMenu();
            } else {
                POINT client = p;
                ::ScreenToClient(Handle(), &client);
                int column = -1;
                const RowId row = RowAt(client, &column);
                ShowContextMenu(row, column, p);
            }
            return 0;
        case WM_NOTIFY: {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            if (info->hdr.hwndFrom == tooltip_ && info->hdr.code == TTN_GETDISPINFOW) {
                info->lpszText = const_cast<wchar_t*>(tipText_.c_str());
                return 0;
            }
            break;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT m;
                ::GetCursorPos(&m);
                ::ScreenToClient(Handle(), &m);
                const bool divider =
                    m.y < headerHeight_ && columns_.DividerAt(m.x + scrollX_, Scale(3)) >= 0;
                if (divider || header_.mode == HeaderMouse::Mode::Resizing) {
                    ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEWE));
                    return TRUE;
                }
            }
            break;
        case WM_MOUSELEAVE:
            UpdateHot(-1);
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_CAPTURECHANGED:
            if (HeaderMouseMessage(message, p) || RowMouseMessage(message, p)) {
                if (message == WM_MOUSEMOVE) Control::OnMessage(message, wParam, lParam);
                return 0;
            }
            break;
        default:
            break;
    }
    return Control::OnMessage(message, wParam, lParam);
}

}  // namespace widgets
