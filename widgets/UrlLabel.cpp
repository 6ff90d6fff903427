#include "widgets/UrlLabel.h"

#include "platform/Services.h"
#include "widgets/Tooltip.h"

namespace widgets {

void UrlLabel::Create(HWND parent, const std::wstring& caption, int x, int y, const Style& style) {
    Label::Create(parent, caption, x, y, style);
}

void UrlLabel::SetHint(const std::wstring& hint) { tooltip_ = AttachTooltip(Handle(), hint, tooltip_); }

void UrlLabel::Open() {
    visited_ = true;
    Invalidate();
    // The application's own window owns it, as the shell's default action.
    platform::Current().ShellExecute(nullptr, L"", address_, SW_SHOWNORMAL);
}

Colour UrlLabel::TextColour() const {
    return visited_ ? CurrentLook().linkVisited : CurrentLook().linkText;
}

LRESULT UrlLabel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            return HTCLIENT;
        case WM_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                Open();
            }
            return 0;
        case BM_CLICK:
            Open();
            return 0;
        default:
            return Label::OnMessage(message, wParam, lParam);
    }
}

}  // namespace widgets
