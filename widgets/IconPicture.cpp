#include "widgets/IconPicture.h"

#include "widgets/Glyphs.h"

namespace widgets {

void IconPicture::Create(HWND parent, HICON icon, const Bounds& bounds) {
    icon_ = icon;
    CreateWindowOf(L"KsIconPicture", parent, L"", bounds);
}

void IconPicture::Paint(HDC dc, const RECT& client) {
    if (icon_) ::DrawIconEx(dc, 0, 0, icon_, client.right, client.bottom, 0, nullptr, DI_NORMAL);
}

void GlyphPicture::Create(HWND parent, int glyph, const Bounds& bounds) {
    glyph_ = glyph;
    CreateWindowOf(L"KsGlyphPicture", parent, L"", bounds);
}

void GlyphPicture::Paint(HDC dc, const RECT& client) { DrawToolGlyph(dc, glyph_, client, true); }

}  // namespace widgets
