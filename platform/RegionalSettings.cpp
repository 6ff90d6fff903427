#include "platform/RegionalSettings.h"

#include <windows.h>

namespace platform {
namespace {

// Keeps the fallback when the locale has no text for it.
void Read(LCTYPE item, std::wstring& into) {
    wchar_t buffer[16] = {};
    if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, buffer, 16) > 1) into = buffer;
}

}  // namespace

spandle::NumberSeparators UserNumberSeparators() {
    spandle::NumberSeparators separators;
    Read(LOCALE_STHOUSAND, separators.thousands);
    Read(LOCALE_SDECIMAL, separators.decimal);
    return separators;
}

}  // namespace platform
