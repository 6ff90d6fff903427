// Plain text: UTF-8 with a byte-order mark, cells separated by a tab, the name indented by
// one tab per level. A cell holding a tab, a quote or a line break is quoted, its quotes
// doubled, so a reader can always split the row again.
#include <string_view>

#include "commands/ExportFormat.h"
#include "scan/Utf16.h"

namespace commands {
namespace {

constexpr char kSeparator = '\t';

void AppendField(std::u16string_view text, std::string& out) {
    if (text.find_first_of(u"\t\"\r\n") == std::u16string_view::npos) {
        spandle::AppendUtf8(text, out);
        return;
    }
    out += '"';
    for (size_t start = 0;;) {
        const size_t quote = text.find(u'"', start);
        spandle::AppendUtf8(text.substr(start, quote - start), out);
        if (quote == std::u16string_view::npos) break;
        out += "\"\"";
        start = quote + 1;
    }
    out += '"';
}

class TextFormat final : public ExportFormat {
  public:
    explicit TextFormat(const std::vector<ExportColumn>& columns)
        : columns_(columns), namePosition_(NamePosition(columns)) {}

    void Begin(std::string& out) override {
        out += "\xEF\xBB\xBF";
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) out += kSeparator;
            AppendField(columns_[i].caption, out);
        }
        out += "\r\n";
    }

    void Row(uint32_t depth, const std::vector<std::u16string>& cells, std::string& out) override {
        for (size_t i = 0; i < columns_.size(); ++i) {
            if (i > 0) out += kSeparator;
            if (static_cast<int>(i) == namePosition_) out.append(depth, kSeparator);
            if (i < cells.size()) AppendField(cells[i], out);
        }
        out += "\r\n";
    }

    void End(std::string&) override {}

  private:
    const std::vector<ExportColumn>& columns_;
    const int namePosition_;
};

}  // namespace

std::unique_ptr<ExportFormat> MakeTextFormat(const std::vector<ExportColumn>& columns) {
    return std::make_unique<TextFormat>(columns);
}

}  // namespace commands
