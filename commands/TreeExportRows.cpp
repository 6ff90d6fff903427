#include "commands/TreeExportRows.h"

namespace commands {

TreeExportRows::TreeExportRows(const spandle::TreeModel& model, std::vector<ExportColumn> columns,
                               CellText cellText)
    : model_(model),
      columns_(std::move(columns)),
      cellText_(std::move(cellText)),
      next_(model.Root()) {}

bool TreeExportRows::Next(uint32_t& depth, std::vector<std::u16string>& cells) {
    if (next_ == spandle::kNoNode) return false;
    depth = model_.Level(next_);
    cells.resize(columns_.size());
    for (size_t i = 0; i < columns_.size(); ++i) {
        cells[i].clear();
        cellText_(next_, columns_[i].index, cells[i]);
    }
    next_ = model_.Next(next_);
    return true;
}

}  // namespace commands
