#include "widgets/Label.h"

#include "widgets/Dpi.h"

namespace widgets {

void Label::Create(HWND parent, const std::wstring& text, int x, int y, const Style& style) {
    style_ = style;
    anchorX_ = x;
    anchorY_ = y;
    CreateWindowOf(L"KsLabel", parent, text, {x, y, 1, 1});
    FitToText();
}

void Label::FitToText() {
    const SIZE size = MeasureText(style_.font, Text(), DT_SINGLELINE | DT_NOPREFIX);
    const int height = size.cy > 0 ? size.cy : Scale(-style_.font.height) + Scale(3);
    const int left = style_.alignRight ? Scale(anchorX_) - size.cx : Scale(anchorX_);
    ::SetWindowPos(Handle(), nullptr, left, Scale(anchorY_), size.cx, height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Label::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) {
        const LRESULT result = Control::OnMessage(message, wParam, lParam);
        FitToText();
        return result;
    }
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return Control::OnMessage(message, wParam, lParam);
}

Colour Label::TextColour() const {
    const Look& look = CurrentLook();
    return style_.colour.value_or(style_.onToolbar ? look.toolButtonText : look.labelText);
}

void Label::Paint(HDC dc, const RECT& client) {
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, TextColour());
    HGDIOBJ old = ::SelectObject(dc, GetFont(style_.font));
    RECT r = client;
    const std::wstring text = Text();
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                DT_SINGLELINE | DT_NOPREFIX | (style_.alignRight ? DT_RIGHT : DT_LEFT));
    ::SelectObject(dc, old);
}

}  // namespace widgets
