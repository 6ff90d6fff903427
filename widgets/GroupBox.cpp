#include "widgets/GroupBox.h"

#include "widgets/Dpi.h"

namespace widgets {

void GroupBox::Create(HWND parent, const std::wstring& caption, const Bounds& bounds,
                      const FontSpec& font) {
    font_ = font;
    CreateWindowOf(L"KsGroupBox", parent, caption, bounds, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT);
}

void GroupBox::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont(font_));
    const std::wstring caption = Text();
    RECT text{Scale(8), 0, client.right - Scale(8), 0};
    ::DrawTextW(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    text.right += Scale(2);  // a little air before the frame goes on
    // The frame runs through the middle of the caption and stops short of its text.
    RECT frame{client.left, (text.bottom - text.top) / 2, client.right, client.bottom};
    const int saved = ::SaveDC(dc);
    if (!caption.empty()) ::ExcludeClipRect(dc, text.left - Scale(2), 0, text.right, text.bottom);
    HBRUSH brush = ::CreateSolidBrush(look.groupFrame);
    ::FrameRect(dc, &frame, brush);
    ::DeleteObject(brush);
    ::RestoreDC(dc, saved);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, look.groupText);
    ::DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

}  // namespace widgets
