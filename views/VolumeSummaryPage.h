// The summary page: the volume's root, type, cluster size, capacity, used and free space
// in a group box, with a two-slice pie of used against free space and its colour legend.
#pragma once

#include "views/VolumeFigures.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/PieChart.h"
#include "widgets/Swatch.h"

namespace views {

class VolumeSummaryPage {
  public:
    static constexpr widgets::Colour kUsedColour = widgets::Rgb(0, 0, 255);
    static constexpr widgets::Colour kFreeColour = widgets::Rgb(255, 0, 255);

    void Create(HWND page);
    void Layout();  // the group box spans the page's width
    // Every value empty and no slice.
    void Clear();
    void Show(const VolumeFigures& figures);

    widgets::Label Label11;  // keeps the group box off the page's top edge
    widgets::GroupBox GroupBox1;
    widgets::Label lablj, labljv, lablx, lablxv, labcdx, labcdxv;
    widgets::Label labrl, labrlv, labyykj, labyykjv, labkykj, labkykjv;
    widgets::Swatch Image1, Image3;
    widgets::PieChart Chart1;
};

}  // namespace views
