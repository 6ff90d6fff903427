// The result grid as the window creates it: its seven columns, its icons, its first sort.
#include "app/FormSpandle.h"
#include "platform/RegionalSettings.h"
#include "views/GridText.h"

namespace app {

void TFormSpandle::CreateGrid(HWND page) {
    // Read once: every cell of every paint uses them.
    FSeparators = platform::UserNumberSeparators();
    vts.Create(page, {0, 0, 848, 393}, gridRows_, gridOwner_);
    for (const views::GridColumnSpec& c : views::kGridColumns) {
        vts.AddColumn({c.caption, c.width,
                       c.rightAligned ? widgets::Alignment::Right : widgets::Alignment::Left,
                       c.minWidth, c.maxWidth, widgets::kColumnShown});
    }
    vts.SetSort(views::kColumnBytes, false);
    vts.SetStateImages(FIconList.Handle());
}

}  // namespace app
