#include "widgets/BitButton.h"

#include "widgets/Dpi.h"
#include "widgets/Panel.h"
#include "widgets/Tooltip.h"

namespace widgets {

void BitButton::Create(HWND parent, const std::wstring& caption, ButtonGlyph glyph,
                       const Bounds& bounds, const FontSpec& font, bool visible) {
    glyph_ = glyph;
    font_ = font;
    CreateWindowOf(L"KsBitButton", parent, caption, bounds,
                   WS_CHILD | WS_TABSTOP | (visible ? WS_VISIBLE : 0));
}

void BitButton::SetHint(const std::wstring& hint) { tooltip_ = AttachTooltip(Handle(), hint, tooltip_); }

void BitButton::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    const bool enabled = Enabled();
    RECT face = client;
    const Colour fill = enabled && Hot() ? look.buttonHot : look.buttonFace;
    FillVerticalGradient(dc, face, RGB(255, 255, 255), fill);
    InflateRect(&face, -1, -1);
    FillSolid(dc, {face.left, face.top + (face.bottom - face.top) / 2, face.right, face.bottom}, fill);
    HBRUSH border = ::CreateSolidBrush(look.buttonBorder);
    ::FrameRect(dc, &client, border);
    ::DeleteObject(border);

    const std::wstring caption = Text();
    const SIZE text = MeasureText(font_, caption);
    const int glyph = Scale(16), gap = Scale(4);
    const int contentWidth = glyph + gap + text.cx;
    int left = (client.right - contentWidth) / 2;
    const int shift = Pressed() ? 1 : 0;
    const int glyphTop = (client.bottom - glyph) / 2 + shift;
    DrawButtonGlyph(dc, glyph_, {left + shift, glyphTop, left + shift + glyph, glyphTop + glyph},
                    enabled);
    left += glyph + gap + shift;
    RECT textRect{left, shift, left + text.cx + 1, client.bottom + shift};
    ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old = ::SelectObject(dc, GetFont(font_));
    if (enabled) {
        RECT shadow = textRect;
        OffsetRect(&shadow, 1, 1);
        ::SetTextColor(dc, look.buttonTextShadow);
        ::DrawTextW(dc, caption.c_str(), -1, &shadow, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    ::SetTextColor(dc, enabled ? look.buttonText : look.buttonDisabledText);
    ::DrawTextW(dc, caption.c_str(), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(dc, old);
}

}  // namespace widgets
