// The columns of a tree grid: captions, widths and their limits, option bits, and the order
// in which they are shown. Columns keep their index for life; only the display order moves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace widgets {

// Option bits of a column, by their values in the settings of the program.
constexpr uint32_t kColumnAllowClick = 0x1, kColumnDraggable = 0x2, kColumnEnabled = 0x4,
                   kColumnParentBidiMode = 0x8, kColumnParentColor = 0x10, kColumnResizable = 0x20,
                   kColumnShowDropMark = 0x40, kColumnVisible = 0x80, kColumnAutoSpring = 0x100,
                   kColumnFixed = 0x200, kColumnSmartResize = 0x400, kColumnAllowFocus = 0x800;
constexpr uint32_t kColumnShown = 0x8FF;   // every column starts with this set
constexpr uint32_t kColumnHidden = 0x87F;  // the same without kColumnVisible

enum class Alignment { Left, Right };

struct GridColumn {
    std::wstring caption;
    int width = 100;  // pixels
    Alignment alignment = Alignment::Left;
    int minWidth = 0, maxWidth = 0;  // pixels; 0: no limit
    uint32_t options = kColumnShown;
};

class GridColumns {
  public:
    int Add(GridColumn column);
    int Count() const { return static_cast<int>(columns_.size()); }
    const GridColumn& operator[](int column) const { return columns_[Slot(column)]; }
    bool Visible(int column) const { return ((*this)[column].options & kColumnVisible) != 0; }
    void SetOptions(int column, uint32_t options) { columns_[Slot(column)].options = options; }
    // Keeps the width within the column's limits; returns the width set.
    int SetWidth(int column, int width);

    // Every column in display order, and the visible ones only.
    const std::vector<int>& Order() const { return order_; }
    std::vector<int> VisibleOrder() const;
    // Moves a column so that it is shown at place (0: first) among all columns.
    void Move(int column, int place);

    // Geometry of the visible columns from x = 0, in pixels.
    int TotalWidth() const;
    int Left(int column) const;  // -1 for a hidden column
    int ColumnAt(int x) const;   // -1 outside every column
    // The resizable column whose right edge lies within tolerance of x, or -1.
    int DividerAt(int x, int tolerance) const;
    // The place among all columns at which a column dropped at x lands.
    int DropPlaceAt(int x) const;

  private:
    size_t Slot(int column) const { return static_cast<size_t>(column); }
    std::vector<GridColumn> columns_;
    std::vector<int> order_;
};

}  // namespace widgets
