#include "widgets/RowSource.h"

namespace widgets {

uint64_t RowSource::TotalCount() const {
    uint64_t count = 0;
    for (RowId row = FirstRow(*this); row != kNoRow; row = NextRow(*this, row)) ++count;
    return count;
}

RowId FirstRow(const RowSource& source) {
    return source.ChildCount(kNoRow) ? source.Child(kNoRow, 0) : kNoRow;
}

RowId NextRow(const RowSource& source, RowId row) {
    if (source.ChildCount(row) > 0) return source.Child(row, 0);
    for (; row != kNoRow; row = source.Parent(row)) {
        const RowId parent = source.Parent(row);
        const uint32_t next = source.Position(row) + 1;
        if (next < source.ChildCount(parent)) return source.Child(parent, next);
    }
    return kNoRow;
}

uint32_t LevelOf(const RowSource& source, RowId row) {
    uint32_t level = 0;
    for (RowId p = source.Parent(row); p != kNoRow; p = source.Parent(p)) ++level;
    return level;
}

bool IsBelow(const RowSource& source, RowId row, RowId ancestor) {
    if (row == kNoRow) return false;
    for (RowId p = source.Parent(row); p != kNoRow; p = source.Parent(p)) {
        if (p == ancestor) return true;
    }
    return false;
}

}  // namespace widgets
