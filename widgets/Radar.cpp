#include "widgets/Radar.h"

#include "widgets/Dpi.h"
#include "widgets/Glyphs.h"

namespace widgets {

void RadarPicture::Create(HWND parent, const Bounds& bounds, bool animated, bool visible) {
    animated_ = animated;
    CreateWindowOf(L"KsRadar", parent, L"", bounds, WS_CHILD | (visible ? WS_VISIBLE : 0));
}

LRESULT RadarPicture::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SHOWWINDOW:
            // The animation only runs while it can be seen.
            if (animated_) {
                if (wParam)
                    ::SetTimer(Handle(), 1, kFrameMs, nullptr);
                else
                    ::KillTimer(Handle(), 1);
            }
            break;
        case WM_TIMER:
            frame_ = (frame_ + 1) % kFrames;
            Invalidate();
            return 0;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        default:
            break;
    }
    return Control::OnMessage(message, wParam, lParam);
}

void RadarPicture::Paint(HDC dc, const RECT& client) {
    RECT box = client;
    if (animated_) InflateRect(&box, -Scale(2), -Scale(2));  // 100 x 100 inside 104 x 104
    DrawRadar(dc, box, animated_ ? frame_ * 360.0f / kFrames : 45.0f);
}

}  // namespace widgets
