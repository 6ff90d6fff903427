// RTF: a landscape page with one table, in a Chinese font. Every character outside ASCII is
// a \uN? escape of its UTF-16 code units, so the file is plain ASCII and no name depends on a
// code page; the name cell is indented by its depth.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "commands/ExportFormat.h"

namespace commands {
namespace {

// Column widths in twips by the grid's column index; the bar columns stay narrow, they
// export empty cells.
constexpr int kWidths[] = {5040, 1800, 1080, 1200, 1200, 1080, 1200};
constexpr int kIndentTwips = 200;
constexpr int kMinimumNameTwips = 1440;  // what deep rows keep for the name itself

int WidthOf(const ExportColumn& column) {
    const bool known = column.index >= 0 && column.index < static_cast<int>(std::size(kWidths));
    return known ? kWidths[column.index] : 1200;
}

void AppendEscaped(std::u16string_view text, std::string& out) {
    for (const char16_t c : text) {
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // \u takes a signed 16-bit value; "?" is what readers without Unicode show.
            out += "\\u";
            out += std::to_string(c < 0x8000 ? int{c} : int{c} - 0x10000);
            out += '?';
        }
    }
}

class RtfFormat final : public ExportFormat {
  public:
    explicit RtfFormat(const std::vector<ExportColumn>& columns)
        : columns_(columns), namePosition_(NamePosition(columns)) {
        int right = 0;
        headerDefinition_ = "\\trowd\\trhdr\\trgaph60\\trleft0";
        rowDefinition_ = "\\trowd\\trgaph60\\trleft0";
        for (const ExportColumn& column : columns_) {
            right += WidthOf(column);
            const std::string cell = "\\cellx" + std::to_string(right);
            headerDefinition_ += "\\clbrdrb\\brdrs\\brdrw10" + cell;
            rowDefinition_ += cell;
        }
        headerDefinition_ += "\r\n";
        rowDefinition_ += "\r\n";
        if (namePosition_ >= 0) maxIndent_ = WidthOf(columns_[namePosition_]) - kMinimumNameTwips;
    }

    void Begin(std::string& out) override {
        // 宋体 (SimSun), GB2312 character set; \falt names it for readers that skip \u here.
        out +=
            "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1\r\n"
            "{\\fonttbl{\\f0\\fnil\\fcharset134 \\u23435?\\u20307?{\\*\\falt SimSun};}}\r\n"
            "\\paperw16838\\paperh11906\\landscape\\margl720\\margr720\\margt720\\margb720\r\n"
            "\\f0\\fs18\r\n";
        out += headerDefinition_;  // ruled below, repeated on every page
        for (const ExportColumn& column : columns_) {
            out += "\\pard\\intbl\\b ";
            AppendEscaped(column.caption, out);
            out += "\\b0\\cell ";
        }
        out += "\\row\r\n";
    }

    void Row(uint32_t depth, const std::vector<std::u16string>& cells, std::string& out) override {
        out += rowDefinition_;
        for (size_t i = 0; i < columns_.size(); ++i) {
            out += "\\pard\\intbl";
            if (static_cast<int>(i) == namePosition_) {
                out += "\\li";
                out += std::to_string(std::min<int64_t>(int64_t{depth} * kIndentTwips, maxIndent_));
            } else if (columns_[i].alignRight) {
                out += "\\qr";
            }
            out += ' ';
            if (i < cells.size()) AppendEscaped(cells[i], out);
            out += "\\cell ";
        }
        out += "\\row\r\n";
    }

    void End(std::string& out) override { out += "\\pard\\par\r\n}\r\n"; }

  private:
    const std::vector<ExportColumn>& columns_;
    const int namePosition_;
    std::string headerDefinition_, rowDefinition_;
    int maxIndent_ = 0;
};

}  // namespace

std::unique_ptr<ExportFormat> MakeRtfFormat(const std::vector<ExportColumn>& columns) {
    return std::make_unique<RtfFormat>(columns);
}

}  // namespace commands
