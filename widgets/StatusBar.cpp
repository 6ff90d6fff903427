#include "widgets/StatusBar.h"

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/Panel.h"

namespace widgets {

void StatusPanel::Create(HWND parent, const Bounds& bounds) {
    CreateWindowOf(L"KsStatusPanel", parent, L"", bounds);
}

void StatusPanel::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    HBRUSH frame = ::CreateSolidBrush(look.statusFrame);
    ::FrameRect(dc, &client, frame);
    ::DeleteObject(frame);
    RECT text = client;
    InflateRect(&text, -Scale(4), 0);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, look.statusText);
    HGDIOBJ old = ::SelectObject(dc, GetFont({}));
    const std::wstring caption = Text();
    ::DrawTextW(dc, caption.c_str(), -1, &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_PATH_ELLIPSIS);
    ::SelectObject(dc, old);
}

void StatusBar::Create(HWND parent, const Bounds& bounds) {
    CreateWindowOf(L"KsStatusBar", parent, L"", bounds, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
    panel_.Create(Handle(), {0, 0, bounds.width, bounds.height});
    Layout();
}

void StatusBar::Layout() {
    RECT r = ClientRect();
    InflateRect(&r, -Scale(2), -Scale(2));
    panel_.SetPixelBounds(r);
}

LRESULT StatusBar::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && panel_.Handle()) Layout();
    return Control::OnMessage(message, wParam, lParam);
}

void StatusBar::PaintBackground(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    FillVerticalGradient(dc, client, look.statusTop, look.statusBottom);
}

}  // namespace widgets
