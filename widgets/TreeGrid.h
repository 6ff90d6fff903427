// A virtual tree grid: a header over rows of cells, with tree lines, expand buttons, state
// icons, grid lines, a blended selection, tooltips for cut-off cells, keyboard navigation and
// incremental search. It stores no text: the rows come from a RowSource and everything shown
// in them from a TreeGridOwner. Only rows on screen are asked for; scrolling, painting,
// expanding and collapsing cost the same with a thousand rows or ten million.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "widgets/Control.h"
#include "widgets/GridColumns.h"
#include "widgets/RowSource.h"
#include "widgets/VisibleRows.h"

namespace widgets {

class TreeGridOwner {
  public:
    virtual ~TreeGridOwner() = default;
    virtual std::wstring CellText(RowId row, int column) const = 0;
    // Index into the state images, or -1 for none; asked for column 0 only.
    virtual int ImageIndex(RowId, int) { return -1; }
    virtual void AfterCellPaint(HDC, RowId, int, const RECT&) const {}
    // Sorting is the owner's: order the siblings by this column and direction.
    virtual void ApplySort(int column, bool ascending) = 0;
    virtual void HeaderClick(int) {}
    virtual void FocusChanged(RowId, int) {}
    virtual void Collapsed(RowId) {}
    // The menu for a row (kNoRow below the rows) and column, or nullptr. The grid shows it
    // and hands back the command chosen.
    virtual HMENU PopupMenu(RowId, int, POINT) { return nullptr; }
    virtual void MenuCommand(UINT) {}
};

class TreeGrid : public Control {
  public:
    TreeGrid();
    ~TreeGrid() override;

    void Create(HWND parent, const Bounds& bounds, RowSource& rows, TreeGridOwner& owner);

    // Columns; the widths and limits of AddColumn are at 96 DPI.
    int AddColumn(GridColumn column);
    int ColumnCount() const { return columns_.Count(); }
    const GridColumn& Column(int column) const { return columns_[column]; }
    void SetColumnOptions(int column, uint32_t options);
    uint32_t ColumnOptions(int column) const { return columns_[column].options; }
    void SetColumnWidth(int column, int pixels);
    void MoveColumn(int column, int place);
    std::vector<int> VisibleColumns() const { return columns_.VisibleOrder(); }
    void AutoFitColumn(int column);

    // The header's sort; setting it re-sorts at once, or at the end of a batch update.
    int SortColumn() const { return sortColumn_; }
    bool SortAscending() const { return sortAscending_; }
    void SetSort(int column, bool ascending);

    // While updating, the grid neither paints rows nor asks its owner for anything on its
    // own; the end of the outermost update re-sorts.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }
    // Forgets every row: the rows are about to be replaced.
    void Clear();

    RowId FocusedNode() const { return focused_; }
    void SetFocusedNode(RowId row);
    RowId SelectedNode() const { return selected_; }
    void Select(RowId row);  // the one selected row; kNoRow clears the selection
    bool Expanded(RowId row) const { return rows_->Expanded(row); }
    void SetExpanded(RowId row, bool expanded);
    void FullExpand(RowId row = kNoRow);  // kNoRow: the whole tree
    void FullCollapse(RowId row = kNoRow);
    void MakeFullyVisible(RowId row);  // expands its ancestors and scrolls to it
    void ScrollIntoView(RowId row);

    // Every row, expanded or not, and the walk over them in tree order (for exports).
    uint64_t TotalCount() const { return rows_->TotalCount(); }
    RowId FirstNode() const { return FirstRow(*rows_); }
    RowId NextNode(RowId row) const { return NextRow(*rows_, row); }
    std::wstring CellText(RowId row, int column) const { return owner_->CellText(row, column); }

    uint32_t VisibleCount() const { return visible_->Count(); }
    RowId VisibleRowAt(uint32_t index) const { return visible_->At(index); }
    uint32_t TopIndex() const { return top_; }
    void SetTopIndex(uint32_t index);

    // Geometry in client pixels.
    int HeaderHeight() const { return headerHeight_; }
    int RowHeight() const { return rowHeight_; }
    RECT CellRect(RowId row, int column) const;  // empty when the cell is not on screen
    RowId RowAt(POINT client, int* column = nullptr) const;
    RECT HeaderRect(int column) const;
    // The whole text of the cell under the point when it does not fit, else "".
    std::wstring TruncatedTextAt(POINT client) const;

    void SetStateImages(HIMAGELIST images);
    // Paints rows and header as WM_PAINT does, into any device context.
    void PaintTo(HDC dc);
    size_t MemoryBytes() const;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc, const RECT& client) override;
    void Paint(HDC dc, const RECT& client) override;

  private:
    struct HeaderMouse {
        enum class Mode { None, Pressed, Resizing, Dragging } mode = Mode::None;
        int column = -1;
        int startX = 0, startWidth = 0, dropPlace = -1, x = 0;
    };
    struct RowLayout;

    // Painting (TreeGridPaint.cpp).
    void PaintRows(HDC dc, const RECT& client);
    void PaintRow(HDC dc, RowId row, int top, const RECT& client);
    void PaintNameCell(HDC dc, RowId row, const RECT& cell);
    void PaintTreeLines(HDC dc, RowId row, const RECT& cell, uint32_t level);
    void PaintButton(HDC dc, RowId row, int centreX, int centreY);
    void PaintSelection(HDC dc, const RECT& area);
    int NameTextLeft(RowId row, int cellLeft) const;
    // Header (TreeGridHeader.cpp).
    void PaintHeader(HDC dc, const RECT& client);
    void PaintSortArrow(HDC dc, const RECT& plate);
    bool HeaderMouseMessage(UINT message, POINT p);
    void UpdateHot(int column);
    int TextWidth(HDC dc, const std::wstring& text) const;
    // Mouse, keyboard, search and menus (TreeGridInput.cpp).
    bool RowMouseMessage(UINT message, POINT p);
    bool KeyDown(WPARAM key);
    void MoveFocus(int64_t rows);
    void Search(wchar_t c);
    void ShowContextMenu(RowId row, int column, POINT screen);
    void ShowKeyboardMenu();
    void TrackTooltip(POINT p);
    // Scrolling (TreeGrid.cpp).
    uint32_t FullRows() const;
    void UpdateScrollBars();
    void Scroll(int bar, int request);
    void SetScrollX(int x);
    void RowsChanged();
    void FocusAndSelect(RowId row);

    RowSource* rows_ = nullptr;
    TreeGridOwner* owner_ = nullptr;
    std::unique_ptr<VisibleRows> visible_;
    GridColumns columns_;
    HIMAGELIST images_ = nullptr;
    int sortColumn_ = 1;
    bool sortAscending_ = false;
    int updateCount_ = 0;
    RowId focused_ = kNoRow, selected_ = kNoRow;
    uint32_t top_ = 0;
    int scrollX_ = 0;
    int rowHeight_ = 18, indent_ = 18, headerHeight_ = 17;
    HeaderMouse header_;
    int hotColumn_ = -1;
    std::wstring search_;
    DWORD lastSearchKey_ = 0;
    bool swallowChar_ = false;
    HWND tooltip_ = nullptr;
    std::wstring tipText_;
    RowId tipRow_ = kNoRow;
    int tipColumn_ = -1;
};

}  // namespace widgets
