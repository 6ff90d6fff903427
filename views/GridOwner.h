// What the result grid asks of the main window, passed on to the form's vts handlers.
#pragma once

#include "widgets/TreeGrid.h"

namespace app {
class TFormSpandle;
}

namespace views {

class FormGridOwner final : public widgets::TreeGridOwner {
  public:
    explicit FormGridOwner(app::TFormSpandle& form) : form_(form) {}

    std::wstring CellText(widgets::RowId row, int column) const override;
    int ImageIndex(widgets::RowId row, int column) override;
    void AfterCellPaint(HDC dc, widgets::RowId row, int column, const RECT& cell) const override;
    void ApplySort(int column, bool ascending) override;
    void HeaderClick(int column) override;
    void FocusChanged(widgets::RowId row, int column) override;
    void Collapsed(widgets::RowId row) override;
    HMENU PopupMenu(widgets::RowId row, int column, POINT screen) override;
    void MenuCommand(UINT command) override;

  private:
    app::TFormSpandle& form_;
};

}  // namespace views
