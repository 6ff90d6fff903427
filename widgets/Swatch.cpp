#include "widgets/Swatch.h"

#include "widgets/Dpi.h"
#include "widgets/Panel.h"

namespace widgets {

void Swatch::Create(HWND parent, const Bounds& bounds, Colour colour) {
    colour_ = colour;
    CreateWindowOf(L"KsSwatch", parent, L"", bounds);
}

LRESULT Swatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return Control::OnMessage(message, wParam, lParam);
}

void Swatch::Paint(HDC dc, const RECT& client) {
    const int edge = Scale(1);
    FillSolid(dc, client, Rgb(255, 255, 255));  // the right and bottom edge
    const Colour grey = Rgb(167, 166, 170);
    FillSolid(dc, {0, 0, client.right, edge}, grey);
    FillSolid(dc, {0, 0, edge, client.bottom}, grey);
    FillSolid(dc, {edge, edge, client.right - edge, client.bottom - edge}, colour_);
}

}  // namespace widgets
