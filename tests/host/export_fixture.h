// Rows for export tests: a small tree held as plain data, and sinks that keep or refuse bytes.
#pragma once

#include <string>
#include <vector>

#include "commands/Export.h"
#include "scan/Utf16.h"

namespace commands::test {

struct FixtureRow {
    uint32_t depth;
    std::vector<std::u16string> cells;
};

class FixtureRows final : public ExportRows {
  public:
    FixtureRows(std::vector<ExportColumn> columns, std::vector<FixtureRow> rows)
        : columns_(std::move(columns)), rows_(std::move(rows)) {}
    const std::vector<ExportColumn>& Columns() const override { return columns_; }
    const std::vector<FixtureRow>& Rows() const { return rows_; }
    bool Next(uint32_t& depth, std::vector<std::u16string>& cells) override {
        if (next_ == rows_.size()) return false;
        depth = rows_[next_].depth;
        cells = rows_[next_++].cells;
        return true;
    }

  private:
    std::vector<ExportColumn> columns_;
    std::vector<FixtureRow> rows_;
    size_t next_ = 0;
};

// The same row, count times: a large tree without holding it.
class RepeatedRows final : public ExportRows {
  public:
    RepeatedRows(std::vector<ExportColumn> columns, FixtureRow row, size_t count)
        : columns_(std::move(columns)), row_(std::move(row)), left_(count) {}
    const std::vector<ExportColumn>& Columns() const override { return columns_; }
    bool Next(uint32_t& depth, std::vector<std::u16string>& cells) override {
        if (left_ == 0) return false;
        --left_;
        depth = row_.depth;
        cells = row_.cells;
        return true;
    }
    size_t Left() const { return left_; }

  private:
    std::vector<ExportColumn> columns_;
    FixtureRow row_;
    size_t left_;
};

// Keeps what it is given; refuses every write once `limit` bytes have arrived.
class StringSink final : public ByteSink {
  public:
    explicit StringSink(size_t limit = SIZE_MAX) : limit_(limit) {}
    bool Write(std::string_view bytes) override {
        ++writes;
        largestWrite = std::max(largestWrite, bytes.size());
        if (text.size() + bytes.size() > limit_) return false;
        text += bytes;
        return true;
    }
    std::string text;
    size_t writes = 0, largestWrite = 0;

  private:
    size_t limit_;
};

// The analysed folder D:\数据 with a folder, a Cyrillic file in it and a file whose name has
// an emoji and the characters HTML and RTF must escape. Columns in a dragged order, the
// size text hidden, a bar column shown (its cells are empty).
inline FixtureRows SmallTree() {
    return FixtureRows(
        {{1, u"大小(字节)", true}, {0, u"名称", false}, {5, u"总%", true}, {6, u"总比列图", false}},
        {{0, {u"1,234", u"D:\\数据", u"", u""}},
         {1, {u"1,000", u"音乐", u"81.03%", u""}},
         {2, {u"1,000", u"Песня.mp3", u"81.03%", u""}},
         {1, {u"234", u"\U0001F600 a&b<c>{d}.txt", u"18.96%", u""}}});
}

}  // namespace commands::test
