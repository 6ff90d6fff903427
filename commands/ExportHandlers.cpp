// The export submenu: the grid's visible columns in display order and every row of the tree,
// rendered after the save dialog straight into the chosen file.
#include "app/FormSpandle.h"
#include "commands/SaveExport.h"
#include "commands/TreeExportRows.h"

namespace app {
namespace {

std::u16string U16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

void TFormSpandle::Html1Click() {
    SaveExport(commands::ExportKind::Html);
}
void TFormSpandle::Rtf1Click() {
    SaveExport(commands::ExportKind::Rtf);
}
void TFormSpandle::Text1Click() {
    SaveExport(commands::ExportKind::Text);
}

void TFormSpandle::SaveExport(commands::ExportKind kind) {
    std::vector<commands::ExportColumn> columns;
    for (const int column : vts.VisibleColumns()) {
        const widgets::GridColumn& c = vts.Column(column);
        columns.push_back({column, U16(c.caption), c.alignment == widgets::Alignment::Right});
    }
    commands::TreeExportRows rows(
        model_, std::move(columns),
        [this](spandle::NodeIndex node, int column, std::u16string& text) {
            const std::wstring cell = vtsGetText(node, column);
            text.assign(cell.begin(), cell.end());
        });
    commands::SaveExport(hwnd_, kind, rows);
}

}  // namespace app
