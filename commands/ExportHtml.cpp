// HTML: one UTF-8 page with one table; the name cell is indented by its depth.
#include <string_view>

#include "commands/ExportFormat.h"
#include "scan/Utf16.h"

namespace commands {
namespace {

constexpr char kCaption[] = "Profiler Unit HTML Export";
// Depth as leading no-break spaces: unlike CSS padding, every reader keeps them (LibreOffice
// and spreadsheets ignore cell padding), and they survive copying the table.
constexpr char kIndent[] = "&nbsp;&nbsp;&nbsp;&nbsp;";

void AppendEscaped(std::u16string_view text, std::string& out) {
    size_t runStart = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char* entity = nullptr;
        switch (text[i]) {
            case u'&':
                entity = "&amp;";
                break;
            case u'<':
                entity = "&lt;";
                break;
            case u'>':
                entity = "&gt;";
                break;
            case u'"':
                entity = "&quot;";
                break;
            default:
                continue;
        }
        spandle::AppendUtf8(text.substr(runStart, i - runStart), out);
        out += entity;
        runStart = i + 1;
    }
    spandle::AppendUtf8(text.substr(runStart), out);
}

class HtmlFormat final : public ExportFormat {
  public:
    explicit HtmlFormat(const std::vector<ExportColumn>& columns)
        : columns_(columns), namePosition_(NamePosition(columns)) {}

    void Begin(std::string& out) override {
        out += "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n";
        out += std::string("<title>") + kCaption + "</title>\r\n";
        out +=
            "<style>\r\n"
            "table { border-collapse: collapse; font: 9pt \"SimSun\", \"宋体\", sans-serif; }\r\n"
            "caption { font-weight: bold; padding: 4px; }\r\n"
            "th, td { border: 1px solid #a6caf0; padding: 1px 4px; white-space: nowrap; }\r\n"
            "th { background: #f0f0f0; }\r\n"
            ".r { text-align: right; }\r\n"
            "</style>\r\n</head>\r\n<body>\r\n<table>\r\n";
        out += std::string("<caption>") + kCaption + "</caption>\r\n<tr>";
        for (const ExportColumn& column : columns_) {
            out += "<th>";
            AppendEscaped(column.caption, out);
            out += "</th>";
        }
        out += "</tr>\r\n";
    }

    void Row(uint32_t depth, const std::vector<std::u16string>& cells, std::string& out) override {
        out += "<tr>";
        for (size_t i = 0; i < columns_.size(); ++i) {
            out += columns_[i].alignRight ? "<td class=\"r\">" : "<td>";
            if (static_cast<int>(i) == namePosition_)
                for (uint32_t level = 0; level < depth; ++level) out += kIndent;
            if (i < cells.size()) AppendEscaped(cells[i], out);
            out += "</td>";
        }
        out += "</tr>\r\n";
    }

    void End(std::string& out) override { out += "</table>\r\n</body>\r\n</html>\r\n"; }

  private:
    const std::vector<ExportColumn>& columns_;
    const int namePosition_;
};

}  // namespace

std::unique_ptr<ExportFormat> MakeHtmlFormat(const std::vector<ExportColumn>& columns) {
    return std::make_unique<HtmlFormat>(columns);
}

}  // namespace commands
