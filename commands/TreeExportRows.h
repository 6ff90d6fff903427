// The export's rows read from the result tree: every node depth first in the current display
// order, expanded or not, each cell's text from the grid's own cell-text function.
#pragma once

#include <functional>

#include "commands/ExportRows.h"
#include "scan/TreeModel.h"

namespace commands {

class TreeExportRows final : public ExportRows {
  public:
    // Sets text to what the grid shows in the node's cell of the column (by fixed index).
    using CellText = std::function<void(spandle::NodeIndex node, int column, std::u16string& text)>;

    TreeExportRows(const spandle::TreeModel& model, std::vector<ExportColumn> columns,
                   CellText cellText);
    const std::vector<ExportColumn>& Columns() const override { return columns_; }
    bool Next(uint32_t& depth, std::vector<std::u16string>& cells) override;

  private:
    const spandle::TreeModel& model_;
    std::vector<ExportColumn> columns_;
    CellText cellText_;
    spandle::NodeIndex next_;
};

}  // namespace commands
