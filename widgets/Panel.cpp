#include "widgets/Panel.h"

namespace widgets {

Colour PageColour(const Look& look) { return look.pageBackground; }
Colour PanelColour(const Look& look) { return look.panelBackground; }

void FillSolid(HDC dc, const RECT& rect, Colour colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

void FillVerticalGradient(HDC dc, const RECT& rect, Colour top, Colour bottom) {
    TRIVERTEX v[2] = {};
    v[0].x = rect.left;
    v[0].y = rect.top;
    v[0].Red = static_cast<COLOR16>(GetRValue(top) << 8);
    v[0].Green = static_cast<COLOR16>(GetGValue(top) << 8);
    v[0].Blue = static_cast<COLOR16>(GetBValue(top) << 8);
    v[1].x = rect.right;
    v[1].y = rect.bottom;
    v[1].Red = static_cast<COLOR16>(GetRValue(bottom) << 8);
    v[1].Green = static_cast<COLOR16>(GetGValue(bottom) << 8);
    v[1].Blue = static_cast<COLOR16>(GetBValue(bottom) << 8);
    GRADIENT_RECT g{0, 1};
    ::GradientFill(dc, v, 2, &g, 1, GRADIENT_FILL_RECT_V);
}

void Panel::Create(HWND parent, const std::wstring& name, const Bounds& bounds, ColourOf colour,
                   bool visible) {
    colour_ = colour;
    CreateWindowOf(L"KsPanel", parent, name, bounds,
                   WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), WS_EX_CONTROLPARENT);
}

void Panel::PaintBackground(HDC dc, const RECT& client) {
    FillSolid(dc, client, colour_(CurrentLook()));
}

}  // namespace widgets
