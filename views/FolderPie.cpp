// The pie of the analysed folder's children.
#include "app/FormSpandle.h"
#include "platform/RegionalSettings.h"
#include "views/FolderSlices.h"

namespace app {

void TFormSpandle::FillFolderPie(spandle::NodeIndex node) {
    PiePage.Show(
        views::FolderSlices(model_, node, FMsgSmallSlices, platform::UserNumberSeparators()));
}

}  // namespace app
