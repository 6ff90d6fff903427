// The result tree as the rows of a grid: the model's nodes in its display order, with the
// expanded state kept in the model's own flag.
#pragma once

#include "scan/TreeModel.h"
#include "widgets/RowSource.h"

namespace views {

class ModelRows final : public widgets::RowSource {
  public:
    explicit ModelRows(spandle::TreeModel& model) : model_(model) {}

    uint32_t ChildCount(widgets::RowId row) const override;
    widgets::RowId Child(widgets::RowId row, uint32_t i) const override;
    uint32_t Position(widgets::RowId row) const override;
    widgets::RowId Parent(widgets::RowId row) const override { return model_.Parent(row); }
    bool Expanded(widgets::RowId row) const override;
    void SetExpanded(widgets::RowId row, bool expanded) override;
    uint64_t TotalCount() const override { return model_.Count(); }

  private:
    spandle::TreeModel& model_;
};

}  // namespace views
