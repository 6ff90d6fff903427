// The slices of the folder pie: one per direct child holding more than 5 % of the folder,
// in the order the scan added them, and one for all the rest together.
#pragma once

#include <string>
#include <vector>

#include "scan/SizeMath.h"
#include "scan/TreeModel.h"

namespace views {

struct FolderSlice {
    spandle::Size size = 0;
    std::wstring label;  // the name or the rest's text, "\r", the size text
};

std::vector<FolderSlice> FolderSlices(const spandle::TreeModel& model, spandle::NodeIndex folder,
                                      const std::wstring& restText,
                                      const spandle::NumberSeparators& separators);

}  // namespace views
