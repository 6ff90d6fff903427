#include "widgets/CheckBox.h"

#include "widgets/Dpi.h"
#include "widgets/Gdiplus.h"
#include "widgets/Panel.h"

namespace widgets {
namespace {

constexpr wchar_t kRadioClass[] = L"KsRadioButton";

}  // namespace

void CheckControl::Prepare(int tag, const FontSpec& font, bool checked) {
    tag_ = tag;
    font_ = font;
    checked_ = checked;
}

void CheckControl::SetCheckedQuietly(bool checked) {
    checked_ = checked;
    Invalidate();
}

void CheckControl::SetChecked(bool checked) {
    if (checked == checked_) return;
    SetCheckedQuietly(checked);
    ClickableControl::PerformClick();
}

void CheckControl::Paint(HDC dc, const RECT& client) {
    const int box = Scale(13);
    const int top = (client.bottom - box) / 2;
    DrawMark(dc, {0, top, box, top + box});
    const std::wstring caption = Text();
    if (caption.empty()) return;
    RECT text{box + Scale(4), 0, client.right, client.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, Enabled() ? CurrentLook().labelText : CurrentLook().buttonDisabledText);
    HGDIOBJ old = ::SelectObject(dc, GetFont(font_));
    ::DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(dc, old);
}

void CheckBox::Create(HWND parent, const std::wstring& caption, int tag, const Bounds& bounds,
                      const FontSpec& font, bool checked) {
    Prepare(tag, font, checked);
    CreateWindowOf(L"KsCheckBox", parent, caption, bounds, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
}

void CheckBox::PerformClick() {
    if (Enabled()) SetChecked(!Checked());
}

void CheckBox::DrawMark(HDC dc, const RECT& box) const {
    const Look& look = CurrentLook();
    FillSolid(dc, box, Hot() ? look.buttonHot : RGB(255, 255, 255));
    HBRUSH frame = ::CreateSolidBrush(look.buttonBorder);
    ::FrameRect(dc, &box, frame);
    ::DeleteObject(frame);
    if (!Checked()) return;
    SmoothGraphics sg(dc);
    Gdiplus::Pen pen(ToGdiplus(look.buttonText), Scale(2) * 1.0f);
    const float w = static_cast<float>(box.right - box.left);
    const float x = static_cast<float>(box.left), y = static_cast<float>(box.top);
    Gdiplus::PointF tick[] = {{x + w * 0.2f, y + w * 0.5f}, {x + w * 0.42f, y + w * 0.72f},
                              {x + w * 0.8f, y + w * 0.25f}};
    sg.g.DrawLines(&pen, tick, 3);
}

void RadioButton::Create(HWND parent, const std::wstring& caption, int tag, const Bounds& bounds,
                         const FontSpec& font, bool checked) {
    Prepare(tag, font, checked);
    CreateWindowOf(kRadioClass, parent, caption, bounds, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
}

void RadioButton::Check() {
    if (Checked()) return;
    for (HWND sibling = ::GetWindow(::GetParent(Handle()), GW_CHILD); sibling;
         sibling = ::GetWindow(sibling, GW_HWNDNEXT)) {
        wchar_t cls[32] = {};
        ::GetClassNameW(sibling, cls, 32);
        if (sibling == Handle() || lstrcmpW(cls, kRadioClass) != 0) continue;
        auto* other = static_cast<RadioButton*>(
            reinterpret_cast<Control*>(::GetWindowLongPtrW(sibling, GWLP_USERDATA)));
        if (other) other->SetCheckedQuietly(false);
    }
    SetChecked(true);
}

void RadioButton::PerformClick() {
    if (Enabled()) Check();
}

void RadioButton::DrawMark(HDC dc, const RECT& box) const {
    const Look& look = CurrentLook();
    SmoothGraphics sg(dc);
    const auto x = static_cast<float>(box.left), y = static_cast<float>(box.top);
    const auto w = static_cast<float>(box.right - box.left - 1);
    Gdiplus::SolidBrush face(ToGdiplus(Hot() ? look.buttonHot : RGB(255, 255, 255)));
    sg.g.FillEllipse(&face, x, y, w, w);
    Gdiplus::Pen rim(ToGdiplus(look.buttonBorder), 1.0f);
    sg.g.DrawEllipse(&rim, x, y, w, w);
    if (!Checked()) return;
    Gdiplus::SolidBrush dot(ToGdiplus(look.buttonText));
    sg.g.FillEllipse(&dot, x + w * 0.28f, y + w * 0.28f, w * 0.44f, w * 0.44f);
}

}  // namespace widgets
