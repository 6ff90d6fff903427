#include "commands/Export.h"

#include "commands/ExportFormat.h"

namespace commands {
namespace {

std::unique_ptr<ExportFormat> MakeFormat(ExportKind kind,
                                         const std::vector<ExportColumn>& columns) {
    switch (kind) {
        case ExportKind::Html:
            return MakeHtmlFormat(columns);
        case ExportKind::Rtf:
            return MakeRtfFormat(columns);
        case ExportKind::Text:
            break;
    }
    return MakeTextFormat(columns);
}

}  // namespace

int NamePosition(const std::vector<ExportColumn>& columns) {
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].index == 0) return static_cast<int>(i);
    return -1;
}

bool RenderExport(ExportKind kind, ExportRows& rows, ByteSink& sink) {
    ExportOutput out(sink);
    const std::unique_ptr<ExportFormat> format = MakeFormat(kind, rows.Columns());
    format->Begin(out.Text());
    uint32_t depth = 0;
    std::vector<std::u16string> cells;
    while (!out.Failed() && rows.Next(depth, cells)) {
        format->Row(depth, cells, out.Text());
        out.Commit();
    }
    format->End(out.Text());
    return out.Finish();
}

}  // namespace commands
