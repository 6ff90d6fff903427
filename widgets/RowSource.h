// The tree a grid shows, asked for on demand: the grid keeps no copy of it. Rows are ids of
// the owner's choosing; kNoRow stands for "none" and also for the invisible parent of the
// top-level rows, so ChildCount(kNoRow) is the number of top-level rows.
#pragma once

#include <cstdint>

namespace widgets {

using RowId = uint32_t;
constexpr RowId kNoRow = 0xFFFFFFFF;

class RowSource {
  public:
    virtual ~RowSource() = default;
    virtual uint32_t ChildCount(RowId row) const = 0;
    // Children in display order, which the owner may change (a new sort).
    virtual RowId Child(RowId row, uint32_t i) const = 0;
    // i such that Child(Parent(row), i) == row.
    virtual uint32_t Position(RowId row) const = 0;
    virtual RowId Parent(RowId row) const = 0;  // kNoRow for a top-level row
    virtual bool Expanded(RowId row) const = 0;
    virtual void SetExpanded(RowId row, bool expanded) = 0;
    // Every row of the tree, expanded or not; the default walks the whole tree.
    virtual uint64_t TotalCount() const;
};

// Tree order over every row (a row, then its children, then its next sibling).
RowId FirstRow(const RowSource& source);
RowId NextRow(const RowSource& source, RowId row);
uint32_t LevelOf(const RowSource& source, RowId row);  // 0 for a top-level row
bool IsBelow(const RowSource& source, RowId row, RowId ancestor);

}  // namespace widgets
