// Which rows a tree grid shows, and where: the rows of the tree whose ancestors are all
// expanded, numbered from 0 in tree order. Nothing is stored per row. A folder that has
// expanded rows somewhere below it keeps one small entry: its "interesting" children
// (expanded, or holding such rows) with how many rows each adds. So mapping a scroll
// position to a row, or a row to its number, costs O(depth × log k) for k such children,
// and expanding or collapsing a folder costs O(depth + k), whatever its number of children.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "widgets/RowSource.h"

namespace widgets {

class VisibleRows {
  public:
    static constexpr uint32_t kNotVisible = 0xFFFFFFFF;

    explicit VisibleRows(RowSource& source) : source_(source) {}

    // Forgets every entry; the source must then have no expanded row.
    void Reset();
    // The source's display order changed: positions are looked up again when next needed.
    void OrderChanged() { ++epoch_; }

    uint32_t Count() const { return Below(kNoRow); }
    RowId At(uint32_t index) const;      // kNoRow past the end
    uint32_t IndexOf(RowId row) const;   // kNotVisible when an ancestor is collapsed
    RowId NextVisible(RowId row) const;  // kNoRow after the last
    bool IsVisible(RowId row) const;

    // Expands or collapses through the source; rows without children never expand.
    void SetExpanded(RowId row, bool expanded);
    // The row and every row below it (kNoRow: the whole tree).
    void ExpandAll(RowId row);
    void CollapseAll(RowId row);

    size_t MemoryBytes() const;

  private:
    struct Link {
        RowId row;
        uint32_t added;     // rows this child adds below its own row (0 while collapsed)
        uint32_t position;  // among its siblings, valid for the entry's epoch
        uint32_t before;    // rows added by the links ahead of this one
    };
    struct Entry {
        uint32_t added = 0;  // sum of the links' rows
        uint64_t epoch = 0;
        bool ordered = false;
        std::vector<Link> links;
    };

    uint32_t Below(RowId row) const;  // rows shown below row while it is expanded
    const Entry* Find(RowId row) const;
    const Entry* Ordered(RowId row) const;
    void Propagate(RowId row);
    uint32_t ExpandSubtree(RowId row);
    void CollapseSubtree(RowId row);
    uint32_t Offset(RowId parent, RowId row) const;

    RowSource& source_;
    mutable std::unordered_map<RowId, Entry> entries_;
    uint64_t epoch_ = 1;
};

}  // namespace widgets
