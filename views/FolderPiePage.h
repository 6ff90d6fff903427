// The pie page: one chart over the whole page, of the analysed folder's direct children.
#pragma once

#include <vector>

#include "views/FolderSlices.h"
#include "widgets/PieChart.h"

namespace views {

class FolderPiePage {
  public:
    void Create(HWND page);
    void Layout();  // the chart fills its page
    // Empties the title and the slices, then adds the slices in their order.
    void Show(const std::vector<FolderSlice>& slices);

    widgets::PieChart ChartDict;
};

}  // namespace views
