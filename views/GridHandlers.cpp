// The result grid's handlers: texts, sort, bars, focus, collapse, icons, menu and streaming
// of its rows, each a thin step over views/GridText.
#include <istream>
#include <ostream>

#include "app/FormSpandle.h"
#include "scan/NodeRecord.h"
#include "views/GridOwner.h"
#include "views/GridText.h"
#include "widgets/Dpi.h"

namespace app {

using spandle::kNoNode;
using spandle::NodeIndex;

std::wstring TFormSpandle::vtsGetText(NodeIndex node, int column) const {
    return views::CellText(model_, node, column, FSeparators);
}

int TFormSpandle::vtsCompareNodes(NodeIndex a, NodeIndex b, int column) const {
    return views::CompareNodes(model_, codePage_, a, b, column);
}

void TFormSpandle::vtsHeaderClick(int column) {
    const auto next = views::AfterHeaderClick(column, {vts.SortColumn(), vts.SortAscending()});
    if (next) vts.SetSort(next->column, next->ascending);
}

// The share bars of columns 4 and 6: half a percent a pixel, 3 pixels in from the cell.
void TFormSpandle::vtsAfterCellPaint(HDC dc, NodeIndex node, int column, const RECT& cell) const {
    const auto bar = views::BarOf(model_, node, column);
    if (!bar || bar->width == 0) return;
    using widgets::Scale;
    const RECT r{cell.left + Scale(3), cell.top + Scale(3),
                 cell.left + Scale(3) + Scale(bar->width), cell.bottom - Scale(3)};
    HBRUSH brush = ::CreateSolidBrush(bar->colour);
    ::FillRect(dc, &r, brush);
    ::DeleteObject(brush);
}

void TFormSpandle::vtsFocusChanged(NodeIndex node, int) {
    AppStatusBar.Panel().SetText(views::StatusText(model_, node));
}

void TFormSpandle::vtsCollapsed(NodeIndex node) {
    const NodeIndex focused = vts.FocusedNode();
    if (focused == kNoNode || !model_.IsBelow(focused, node)) return;
    vts.SetFocusedNode(node);
    vts.Select(node);
}

int TFormSpandle::vtsGetImageIndex(NodeIndex node, int column) {
    if (node == kNoNode || column != 0) return -1;
    if (model_.IsFolder(node))
        return vts.Expanded(node) ? FIconList.OpenFolderIndex() : FIconList.ClosedFolderIndex();
    const std::u16string_view name = model_.Name(node);
    return FIconList.FileIndex(std::wstring(name.begin(), name.end()));
}

HMENU TFormSpandle::vtsGetPopupMenu(NodeIndex node, int column, POINT) {
    return node != kNoNode && column == 0 ? PmTree : nullptr;
}

void TFormSpandle::vtsSaveNode(NodeIndex node, std::ostream& stream) const {
    const spandle::EntryBytes bytes =
        spandle::EncodeEntryRecord(spandle::MakeEntryRecord(model_, node, codePage_));
    stream.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

spandle::RecordNode TFormSpandle::vtsLoadNode(std::istream& stream) const {
    spandle::EntryBytes bytes{};
    stream.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    return spandle::ReadEntryRecord(spandle::DecodeEntryRecord(bytes), codePage_);
}

std::wstring TFormSpandle::NodePath(NodeIndex node) const {
    return views::NodePath(model_, node);
}

void TFormSpandle::SortTree(int column, bool ascending) {
    if (column == views::kColumnName || column == views::kColumnBytes)
        model_.SetSort({static_cast<spandle::SortColumn>(column), ascending});
}

}  // namespace app

namespace views {

std::wstring FormGridOwner::CellText(widgets::RowId row, int column) const {
    return form_.vtsGetText(row, column);
}
int FormGridOwner::ImageIndex(widgets::RowId row, int column) {
    return form_.vtsGetImageIndex(row, column);
}
void FormGridOwner::AfterCellPaint(HDC dc, widgets::RowId row, int column, const RECT& cell) const {
    form_.vtsAfterCellPaint(dc, row, column, cell);
}
void FormGridOwner::ApplySort(int column, bool ascending) {
    form_.SortTree(column, ascending);
}
void FormGridOwner::HeaderClick(int column) {
    form_.vtsHeaderClick(column);
}
void FormGridOwner::FocusChanged(widgets::RowId row, int column) {
    form_.vtsFocusChanged(row, column);
}
void FormGridOwner::Collapsed(widgets::RowId row) {
    form_.vtsCollapsed(row);
}
HMENU FormGridOwner::PopupMenu(widgets::RowId row, int column, POINT screen) {
    return form_.vtsGetPopupMenu(row, column, screen);
}
void FormGridOwner::MenuCommand(UINT command) {
    form_.PmTreeCommand(command);
}

}  // namespace views
