#include "views/ModelRows.h"

namespace views {

static_assert(widgets::kNoRow == spandle::kNoNode, "rows are node indices");

uint32_t ModelRows::ChildCount(widgets::RowId row) const {
    if (row == widgets::kNoRow) return model_.Count() ? 1 : 0;
    return model_.ChildCount(row);
}

widgets::RowId ModelRows::Child(widgets::RowId row, uint32_t i) const {
    return row == widgets::kNoRow ? model_.Root() : model_.DisplayChild(row, i);
}

uint32_t ModelRows::Position(widgets::RowId row) const {
    return model_.DisplayPosition(row);
}

bool ModelRows::Expanded(widgets::RowId row) const {
    return row != widgets::kNoRow && model_.HasFlag(row, spandle::kNodeExpanded);
}

void ModelRows::SetExpanded(widgets::RowId row, bool expanded) {
    model_.SetFlag(row, spandle::kNodeExpanded, expanded);
}

}  // namespace views
