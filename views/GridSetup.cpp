// The result grid as the window creates it: its seven columns, its icons, its first sort.
#include "app/FormSpandle.h"
#include "views/GridText.h"

namespace app {
namespace {

std::wstring LocaleText(LCTYPE type, const wchar_t* fallback) {
    wchar_t buffer[8] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 8) <= 1) return fallback;
    return buffer;
}

// The separators of the user's regional settings, read once.
spandle::NumberSeparators UserNumberSeparators() {
    return {LocaleText(LOCALE_STHOUSAND, L","), LocaleText(LOCALE_SDECIMAL, L".")};
}

}  // namespace

void TFormSpandle::CreateGrid(HWND page) {
    FSeparators = UserNumberSeparators();
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
