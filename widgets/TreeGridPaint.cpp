// Painting the rows of the tree grid: only the rows on screen are asked for.
#include <algorithm>

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/TreeGrid.h"

namespace widgets {
namespace {

const FontSpec kRowFont{L"Arial", -11};
constexpr Colour kGridLine = Rgb(166, 202, 240);  // clSkyBlue
constexpr Colour kTreeLine = Rgb(128, 0, 0);      // clMaroon
constexpr Colour kWindowText = Rgb(0, 0, 0);

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    ::MoveToEx(dc, x1, y1, nullptr);
    ::LineTo(dc, x2, y2);
}

}  // namespace

void TreeGrid::PaintBackground(HDC dc, const RECT& client) {
    HBRUSH white = ::CreateSolidBrush(Rgb(255, 255, 255));
    ::FillRect(dc, &client, white);
    ::DeleteObject(white);
}

void TreeGrid::Paint(HDC dc, const RECT& client) {
    if (!Updating()) PaintRows(dc, client);
    PaintHeader(dc, client);
}

void TreeGrid::PaintRows(HDC dc, const RECT& client) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kWindowText);
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont(kRowFont));
    RowId row = visible_->At(top_);
    for (int top = headerHeight_; row != kNoRow && top < client.bottom; top += rowHeight_) {
        PaintRow(dc, row, top, client);
        row = visible_->NextVisible(row);
    }
    ::SelectObject(dc, oldFont);
}

void TreeGrid::PaintRow(HDC dc, RowId row, int top, const RECT& client) {
    HPEN grid = ::CreatePen(PS_SOLID, 1, kGridLine);
    int left = -scrollX_;
    for (int column : columns_.VisibleOrder()) {
        const RECT cell{left, top, left + columns_[column].width, top + rowHeight_};
        left = cell.right;
        if (cell.right <= 0 || cell.left >= client.right) continue;
        if (column == 0) {
            PaintNameCell(dc, row, cell);
        } else {
            RECT text = cell;
            InflateRect(&text, -Scale(4), 0);
            const UINT align = columns_[column].alignment == Alignment::Right ? DT_RIGHT : DT_LEFT;
            const std::wstring value = owner_->CellText(row, column);
            ::DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &text,
                        align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        }
        owner_->AfterCellPaint(dc, row, column, cell);
        HGDIOBJ old = ::SelectObject(dc, grid);
        Line(dc, cell.right - 1, cell.top, cell.right - 1, cell.bottom);
        ::SelectObject(dc, old);
    }
    HGDIOBJ old = ::SelectObject(dc, grid);
    Line(dc, -scrollX_, top + rowHeight_ - 1, left, top + rowHeight_ - 1);
    ::SelectObject(dc, old);
    ::DeleteObject(grid);
}

// Where the name's icon starts: after one indent per level and the button column.
int TreeGrid::NameTextLeft(RowId row, int cellLeft) const {
    return cellLeft + static_cast<int>(LevelOf(*rows_, row) + 1) * indent_;
}

void TreeGrid::PaintNameCell(HDC dc, RowId row, const RECT& cell) {
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, cell.left, cell.top, cell.right - 1, cell.bottom);
    PaintTreeLines(dc, row, cell, LevelOf(*rows_, row));
    int x = NameTextLeft(row, cell.left);
    const int contentLeft = x;
    const int image = images_ ? owner_->ImageIndex(row, 0) : -1;
    if (image >= 0) {
        int w = 16, h = 16;
        ::ImageList_GetIconSize(images_, &w, &h);
        ::ImageList_Draw(images_, image, dc, x + Scale(2), cell.top + (rowHeight_ - h) / 2,
                         ILD_TRANSPARENT);
        x += w + Scale(2);
    }
    const std::wstring name = owner_->CellText(row, 0);
    RECT text{x + Scale(4), cell.top, cell.right - Scale(4), cell.bottom};
    RECT measured = text;
    ::DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &measured,
                DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    ::DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    const RECT area{contentLeft, cell.top + 1,
                    std::min<LONG>(measured.right + Scale(4), cell.right - 1), cell.bottom - 1};
    if (row == selected_) PaintSelection(dc, area);
    if (row == focused_ && ::GetFocus() == Handle()) ::DrawFocusRect(dc, &area);
    ::RestoreDC(dc, saved);
}

void TreeGrid::PaintSelection(HDC dc, const RECT& area) {
    const Look& look = CurrentLook();
    const Colour colour = ::GetFocus() == Handle() ? look.selection : look.selectionUnfocused;
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP pixel = ::CreateCompatibleBitmap(dc, 1, 1);
    HGDIOBJ old = ::SelectObject(memory, pixel);
    ::SetPixel(memory, 0, 0, colour);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 96, 0};
    ::AlphaBlend(dc, area.left, area.top, w, h, memory, 0, 0, 1, 1, blend);
    ::SelectObject(memory, old);
    ::DeleteObject(pixel);
    ::DeleteDC(memory);
    HBRUSH border = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &area, border);
    ::DeleteObject(border);
}

// Solid lines from each ancestor that has a later sibling, and the row's own branch.
void TreeGrid::PaintTreeLines(HDC dc, RowId row, const RECT& cell, uint32_t level) {
    HPEN pen = ::CreatePen(PS_SOLID, 1, kTreeLine);
    HGDIOBJ old = ::SelectObject(dc, pen);
    const int middle = cell.top + rowHeight_ / 2;
    auto hasNext = [&](RowId r) {
        return rows_->Position(r) + 1 < rows_->ChildCount(rows_->Parent(r));
    };
    auto centre = [&](uint32_t l) {
        return cell.left + static_cast<int>(l) * indent_ + indent_ / 2;
    };
    const int x = centre(level);
    const bool first = rows_->Parent(row) == kNoRow && rows_->Position(row) == 0;
    Line(dc, x, first ? middle : cell.top, x, hasNext(row) ? cell.bottom : middle + 1);
    Line(dc, x, middle, x + indent_ / 2 + 1, middle);
    uint32_t l = level;
    for (RowId a = rows_->Parent(row); a != kNoRow; a = rows_->Parent(a)) {
        --l;
        if (hasNext(a)) Line(dc, centre(l), cell.top, centre(l), cell.bottom);
    }
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
    if (rows_->ChildCount(row) > 0) PaintButton(dc, row, x, middle);
}

void TreeGrid::PaintButton(HDC dc, RowId row, int x, int y) {
    const int half = Scale(4);
    const RECT box{x - half, y - half, x + half + 1, y + half + 1};
    HBRUSH face = ::CreateSolidBrush(Rgb(255, 255, 255));
    ::FillRect(dc, &box, face);
    ::DeleteObject(face);
    HBRUSH frame = ::CreateSolidBrush(Rgb(128, 128, 128));
    ::FrameRect(dc, &box, frame);
    ::DeleteObject(frame);
    HPEN pen = ::CreatePen(PS_SOLID, 1, kWindowText);
    HGDIOBJ old = ::SelectObject(dc, pen);
    Line(dc, x - half + 2, y, x + half - 1, y);
    if (!rows_->Expanded(row)) Line(dc, x, y - half + 2, x, y + half - 1);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

}  // namespace widgets
