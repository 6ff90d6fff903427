#include "widgets/IconPicture.h"

namespace widgets {

void IconPicture::Create(HWND parent, HICON icon, const Bounds& bounds) {
    icon_ = icon;
    CreateWindowOf(L"KsIconPicture", parent, L"", bounds);
}

void IconPicture::Paint(HDC dc, const RECT& client) {
    if (icon_) ::DrawIconEx(dc, 0, 0, icon_, client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

}  // namespace widgets
