// One export format: what comes before the rows, each row, and what comes after them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "commands/ExportRows.h"

namespace commands {

class ExportFormat {
  public:
    virtual ~ExportFormat() = default;
    virtual void Begin(std::string& out) = 0;
    virtual void Row(uint32_t depth, const std::vector<std::u16string>& cells,
                     std::string& out) = 0;
    virtual void End(std::string& out) = 0;
};

std::unique_ptr<ExportFormat> MakeHtmlFormat(const std::vector<ExportColumn>& columns);
std::unique_ptr<ExportFormat> MakeRtfFormat(const std::vector<ExportColumn>& columns);
std::unique_ptr<ExportFormat> MakeTextFormat(const std::vector<ExportColumn>& columns);

// Where the name column stands among the columns; -1 when it is not exported.
int NamePosition(const std::vector<ExportColumn>& columns);

}  // namespace commands
