#include "widgets/SkinPreview.h"

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/Glyphs.h"
#include "widgets/Panel.h"
#include "widgets/Skins.h"

namespace widgets {
namespace {

void Frame(HDC dc, const RECT& r, Colour colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &r, brush);
    ::DeleteObject(brush);
}

void Caption(HDC dc, const std::wstring& text, RECT r, Colour colour, UINT align) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colour);
    HGDIOBJ old = ::SelectObject(dc, GetFont({L"Arial", -11, true}));
    ::DrawTextW(dc, text.c_str(), -1, &r, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(dc, old);
}

}  // namespace

void SkinPreview::Create(HWND parent, int skinNumber, const std::wstring& title,
                         const Bounds& bounds) {
    skin_ = skinNumber;
    CreateWindowOf(L"KsSkinPreview", parent, title, bounds);
}

void SkinPreview::Paint(HDC dc, const RECT& client) {
    const Look& look = SkinLook(skin_);
    const int w = client.right, h = client.bottom, s = Scale(1);
    FillSolid(dc, client, look.formBackground);
    const RECT title{0, 0, w, 16 * s};
    FillVerticalGradient(dc, title, look.toolbarBottom, look.tabHighlight);
    Caption(dc, Text(), {6 * s, 0, w, 16 * s}, RGB(255, 255, 255), DT_LEFT);
    const RECT bar{0, 16 * s, w, 40 * s};
    FillVerticalGradient(dc, bar, look.toolbarTop, look.toolbarBottom);
    const int glyphs[] = {0, 5, 8, 3, 7};
    for (int i = 0; i < 5; ++i) {
        const int x = (4 + i * 26) * s;
        if (i == 0) {
            const RECT hot{x - 2 * s, 17 * s, x + 22 * s, 39 * s};
            FillVerticalGradient(dc, hot, look.toolButtonHotTop, look.toolButtonHotBottom);
            Frame(dc, hot, look.toolButtonFrame);
        }
        DrawToolGlyph(dc, glyphs[i], {x, 18 * s, x + 20 * s, 38 * s}, true);
    }
    const RECT page{0, 40 * s, w, h - 12 * s};
    FillSolid(dc, page, look.pageBackground);
    const RECT button{8 * s, 46 * s, 76 * s, 62 * s};
    FillVerticalGradient(dc, button, RGB(255, 255, 255), look.buttonFace);
    Frame(dc, button, look.buttonBorder);
    Caption(dc, L"分析", button, look.buttonText, DT_CENTER);
    const RECT header{84 * s, 46 * s, w - 6 * s, 58 * s};
    FillSolid(dc, header, look.headerBackground);
    Frame(dc, header, look.groupFrame);
    const RECT row{84 * s, 60 * s, w - 6 * s, 70 * s};
    FillSolid(dc, row, look.selection);
    const RECT status{0, h - 12 * s, w, h};
    FillVerticalGradient(dc, status, look.statusTop, look.statusBottom);
    Frame(dc, status, look.statusFrame);
    Frame(dc, client, look.statusFrame);
}

}  // namespace widgets
