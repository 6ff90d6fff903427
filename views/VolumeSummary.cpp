// The summary page of the analysed folder's volume.
#include "app/FormSpandle.h"

namespace app {

// The summary page's controls arrive with the page itself; until then there is nothing to
// clear or fill.
void TFormSpandle::ShowVolumeSummary(const std::wstring&) {}

}  // namespace app
