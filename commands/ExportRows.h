// What an export renders: the grid's visible columns in display order and every row of the
// tree in tree order, expanded or not. The grid side implements it; the renderers only read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace commands {

struct ExportColumn {
    int index = 0;  // the grid's fixed column index; 0 is the name column
    std::u16string caption;
    bool alignRight = false;
};

class ExportRows {
  public:
    virtual ~ExportRows() = default;
    // The visible columns in display order.
    virtual const std::vector<ExportColumn>& Columns() const = 0;
    // The next row: its depth (0 for the analysed folder's row) and one cell text per column
    // of Columns(), in that order. The vector is reused from call to call. False after the
    // last row.
    virtual bool Next(uint32_t& depth, std::vector<std::u16string>& cells) = 0;
};

}  // namespace commands
