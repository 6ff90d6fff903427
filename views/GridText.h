// What the result grid shows, as pure functions of the tree: cell texts, share bars, the
// name and size comparisons, the header-click sort rule and the node path.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "scan/SizeMath.h"
#include "scan/TreeModel.h"
#include "widgets/Theme.h"

namespace spandle {
class CodePage;
}

namespace views {

constexpr int kColumnName = 0, kColumnBytes = 1, kColumnSizeText = 2, kColumnFolderShare = 3,
              kColumnFolderBar = 4, kColumnTotalShare = 5, kColumnTotalBar = 6;
constexpr int kGridColumnCount = 7;

struct GridColumnSpec {
    const wchar_t* caption;
    int width;  // at 96 DPI, as the width limits
    bool rightAligned;
    int minWidth, maxWidth;  // 0: no limit
};
extern const GridColumnSpec kGridColumns[kGridColumnCount];

std::wstring CellText(const spandle::TreeModel& model, spandle::NodeIndex node, int column,
                      const spandle::NumberSeparators& separators);

// The column-0 texts of the node and its ancestors, outermost first, each followed by "\";
// "\" alone for no node.
std::wstring NodePath(const spandle::TreeModel& model, spandle::NodeIndex node);
// The status line of a focused node: its path without the final "\".
std::wstring StatusText(const spandle::TreeModel& model, spandle::NodeIndex node);

// Names compare as their bytes in the ANSI code page with only ASCII letters folded; the
// result is the difference of the first differing bytes, the end counting as 0.
int CompareNames(const spandle::CodePage& codePage, std::u16string_view a, std::u16string_view b);
// Column 0 by name, column 1 by size (-1, 0, 1); every other column compares equal.
int CompareNodes(const spandle::TreeModel& model, const spandle::CodePage& codePage,
                 spandle::NodeIndex a, spandle::NodeIndex b, int column);

// Column 4's colour by the node's level: entry (level - 1) mod 20 of the level table.
widgets::Colour LevelColour(uint32_t level);

struct ShareBar {
    widgets::Colour colour;
    int width;  // pixels at 96 DPI: half a percent each
};
// The bar of column 4 or 6; none for other columns, the root row, or no parent.
std::optional<ShareBar> BarOf(const spandle::TreeModel& model, spandle::NodeIndex node, int column);

struct SortState {
    int column = 1;
    bool ascending = false;
    bool operator==(const SortState&) const = default;
};
// The sort after a click on a header; none for headers that do not sort.
std::optional<SortState> AfterHeaderClick(int clicked, SortState current);

}  // namespace views
