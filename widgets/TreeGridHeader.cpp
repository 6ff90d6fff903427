// The tree grid's header: plates with captions and the sort arrow, hot tracking, resizing by
// the dividers (a double click fits the column), dragging columns into another order.
#include <algorithm>
#include <cstdlib>

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/TreeGrid.h"

namespace widgets {
namespace {

const FontSpec kHeaderFont{L"宋体", -12};

}  // namespace

int TreeGrid::TextWidth(HDC dc, const std::wstring& text) const {
    SIZE size{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void TreeGrid::PaintHeader(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    const RECT band{0, 0, client.right, headerHeight_};
    HBRUSH background = ::CreateSolidBrush(look.headerBackground);
    ::FillRect(dc, &band, background);
    ::DeleteObject(background);
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont(kHeaderFont));
    ::SetBkMode(dc, TRANSPARENT);
    for (int column : columns_.VisibleOrder()) {
        RECT plate = HeaderRect(column);
        if (plate.right <= 0 || plate.left >= client.right) continue;
        const bool pressed = header_.mode == HeaderMouse::Mode::Pressed && header_.column == column;
        ::DrawEdge(dc, &plate, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        RECT text = plate;
        InflateRect(&text, -Scale(4), 0);
        if (column == sortColumn_) {
            PaintSortArrow(dc, plate);
            text.right -= Scale(12);
        }
        ::SetTextColor(dc, column == hotColumn_ ? look.headerHot : look.headerText);
        const UINT align = columns_[column].alignment == Alignment::Right ? DT_RIGHT : DT_LEFT;
        const std::wstring& caption = columns_[column].caption;
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if (header_.mode == HeaderMouse::Mode::Dragging && header_.dropPlace >= 0) {
        // The drop mark: where the dragged column would land.
        const std::vector<int>& order = columns_.Order();
        int x = columns_.TotalWidth();
        for (size_t place = static_cast<size_t>(header_.dropPlace); place < order.size(); ++place) {
            if (columns_.Visible(order[place])) {
                x = columns_.Left(order[place]);
                break;
            }
        }
        const RECT mark{x - scrollX_ - 1, 0, x - scrollX_ + 1, headerHeight_};
        HBRUSH brush = ::CreateSolidBrush(look.headerHot);
        ::FillRect(dc, &mark, brush);
        ::DeleteObject(brush);
    }
    ::SelectObject(dc, oldFont);
}

// A small triangle, pointing up for an ascending sort and down for a descending one.
void TreeGrid::PaintSortArrow(HDC dc, const RECT& plate) {
    const int cx = plate.right - Scale(9), cy = (plate.top + plate.bottom) / 2;
    const int h = Scale(3);
    POINT up[3] = {{cx - h, cy + h / 2 + 1}, {cx + h, cy + h / 2 + 1}, {cx, cy - h + h / 2}};
    POINT down[3] = {{cx - h, cy - h / 2}, {cx + h, cy - h / 2}, {cx, cy + h - h / 2 + 1}};
    HBRUSH brush = ::CreateSolidBrush(Rgb(96, 96, 96));
    HPEN pen = ::CreatePen(PS_SOLID, 1, Rgb(96, 96, 96));
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::Polygon(dc, sortAscending_ ? up : down, 3);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
}

void TreeGrid::UpdateHot(int column) {
    if (column == hotColumn_) return;
    hotColumn_ = column;
    RECT band = ClientRect();
    band.bottom = headerHeight_;
    ::InvalidateRect(Handle(), &band, FALSE);
}

// Fits the column to its caption and to the rows on screen (not every row of the tree).
void TreeGrid::AutoFitColumn(int column) {
    HDC dc = ::GetDC(Handle());
    HGDIOBJ old = ::SelectObject(dc, GetFont({L"宋体", -12}));
    int width = TextWidth(dc, columns_[column].caption) + Scale(8) +
                (column == sortColumn_ ? Scale(12) : 0);
    ::SelectObject(dc, GetFont({L"Arial", -11}));
    RowId row = Updating() ? kNoRow : visible_->At(top_);
    for (uint32_t n = 0; row != kNoRow && n <= FullRows(); ++n, row = visible_->NextVisible(row)) {
        int extra = Scale(8);
        if (column == 0) {
            extra += NameTextLeft(row, 0) + Scale(4);
            if (images_ && owner_->ImageIndex(row, 0) >= 0) extra += Scale(18);
        }
        width = std::max(width, TextWidth(dc, owner_->CellText(row, column)) + extra);
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(Handle(), dc);
    SetColumnWidth(column, width);
}

bool TreeGrid::HeaderMouseMessage(UINT message, POINT p) {
    using Mode = HeaderMouse::Mode;
    HeaderMouse& h = header_;
    const bool inHeader = p.y >= 0 && p.y < headerHeight_;
    const int x = p.x + scrollX_;
    switch (message) {
        case WM_MOUSEMOVE:
            if (h.mode == Mode::Resizing) {
                SetColumnWidth(h.column, h.startWidth + x - h.startX);
            } else if (h.mode == Mode::Pressed && std::abs(x - h.startX) > Scale(4) &&
                       (columns_[h.column].options & kColumnDraggable)) {
                h.mode = Mode::Dragging;
            }
            if (h.mode == Mode::Dragging) {
                h.dropPlace = columns_.DropPlaceAt(x);
                Invalidate();
            }
            UpdateHot(inHeader && h.mode == Mode::None ? columns_.ColumnAt(x) : -1);
            return h.mode != Mode::None || inHeader;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            if (!inHeader) return false;
            const int divider = columns_.DividerAt(x, Scale(3));
            if (divider >= 0 && message == WM_LBUTTONDBLCLK) {
                AutoFitColumn(divider);
                return true;
            }
            h = {};
            h.column = divider >= 0 ? divider : columns_.ColumnAt(x);
            if (h.column < 0) return true;
            h.mode = divider >= 0 ? Mode::Resizing : Mode::Pressed;
            h.startX = x;
            h.startWidth = columns_[h.column].width;
            ::SetCapture(Handle());
            Invalidate();
            return true;
        }
        case WM_LBUTTONUP: {
            if (h.mode == Mode::None) return inHeader;
            const HeaderMouse done = h;
            h = {};
            ::ReleaseCapture();
            if (done.mode == Mode::Dragging) {
                MoveColumn(done.column, done.dropPlace);
            } else if (done.mode == Mode::Pressed && inHeader &&
                       columns_.ColumnAt(x) == done.column &&
                       (columns_[done.column].options & kColumnAllowClick)) {
                owner_->HeaderClick(done.column);
            }
            Invalidate();
            return true;
        }
        case WM_CAPTURECHANGED:
            if (h.mode != Mode::None && ::GetCapture() != Handle()) {
                h = {};
                Invalidate();
            }
            return false;
        default:
            return inHeader;
    }
}

}  // namespace widgets
