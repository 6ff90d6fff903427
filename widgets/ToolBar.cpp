#include "widgets/ToolBar.h"

#include "widgets/Dpi.h"
#include "widgets/Glyphs.h"
#include "widgets/Panel.h"

namespace widgets {

void ToolButton::SetDown(bool down) {
    down_ = down;
    Invalidate();
}

void ToolButton::PerformClick() {
    if (!Enabled()) return;
    if (group_ != 0 && bar_) bar_->Press(*this);
    ClickableControl::PerformClick();
}

void ToolButton::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    if (down_ || Hot() || Pressed()) {
        RECT r = client;
        InflateRect(&r, -1, -1);
        FillVerticalGradient(dc, r, look.toolButtonHotTop, look.toolButtonHotBottom);
        HBRUSH frame = ::CreateSolidBrush(look.toolButtonFrame);
        ::FrameRect(dc, &r, frame);
        ::DeleteObject(frame);
    }
    const int glyphSize = Scale(32);
    const int left = (client.right - glyphSize) / 2;
    RECT glyph{left, Scale(6), left + glyphSize, Scale(6) + glyphSize};
    if (Pressed()) OffsetRect(&glyph, 1, 1);
    DrawToolGlyph(dc, glyph_, glyph, Enabled());
    RECT text{0, Scale(40), client.right, client.bottom - Scale(2)};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Enabled() ? look.toolButtonText : look.buttonDisabledText);
    HGDIOBJ old = ::SelectObject(dc, GetFont(font_));
    const std::wstring caption = Text();
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CENTER | DT_SINGLELINE | DT_TOP);
    ::SelectObject(dc, old);
}

void ToolBar::Create(HWND parent, const Bounds& bounds, int borderWidth) {
    border_ = borderWidth;
    next_ = borderWidth;
    CreateWindowOf(L"KsToolBar", parent, L"", bounds, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT);
}

int ToolBar::NextLeft(int width) {
    const int left = next_;
    next_ += width;
    return left;
}

void ToolBar::AddButton(ToolButton& button, const std::wstring& caption, int glyph, int group,
                        const FontSpec& font) {
    button.bar_ = this;
    button.glyph_ = glyph;
    button.group_ = group;
    button.font_ = font;
    button.CreateWindowOf(L"KsToolButton", Handle(), caption, {NextLeft(80), border_, 80, 60});
    buttons_.push_back(&button);
}

void ToolBar::AddSpacer(Spacer kind, int width) {
    const int left = NextLeft(width);
    if (kind == Spacer::Grooved) grooves_.push_back(left + width / 2);
}

void ToolBar::Press(ToolButton& button) {
    for (ToolButton* other : buttons_)
        if (other->Group() == button.Group() && other != &button) other->SetDown(false);
    button.SetDown(true);
}

void ToolBar::PaintBackground(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    FillVerticalGradient(dc, client, look.toolbarTop, look.toolbarBottom);
}

void ToolBar::Paint(HDC dc, const RECT& client) {
    HPEN dark = ::CreatePen(PS_SOLID, 1, RGB(160, 160, 176));
    HPEN light = ::CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    const int top = Scale(border_ + 4), bottom = client.bottom - Scale(border_ + 4);
    for (int centre : grooves_) {
        const int x = Scale(centre);
        HGDIOBJ old = ::SelectObject(dc, dark);
        ::MoveToEx(dc, x, top, nullptr);
        ::LineTo(dc, x, bottom);
        ::SelectObject(dc, light);
        ::MoveToEx(dc, x + 1, top, nullptr);
        ::LineTo(dc, x + 1, bottom);
        ::SelectObject(dc, old);
    }
    ::DeleteObject(dark);
    ::DeleteObject(light);
}

}  // namespace widgets
