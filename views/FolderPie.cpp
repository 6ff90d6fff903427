// The pie of the analysed folder's children.
#include "app/FormSpandle.h"

namespace app {

// The pie page's chart arrives with the page itself; until then there is nothing to fill.
void TFormSpandle::FillFolderPie(spandle::NodeIndex) {}

}  // namespace app
