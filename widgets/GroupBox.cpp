#include "widgets/GroupBox.h"

#include "widgets/Dpi.h"
#include "widgets/Fonts.h"
#include "widgets/Panel.h"

namespace widgets {

void GroupBox::Create(HWND parent, const std::wstring& caption, const Bounds& bounds) {
    CreateWindowOf(L"KsGroupBox", parent, caption, bounds, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT);
}

void GroupBox::PaintBackground(HDC dc, const RECT& client) {
    FillSolid(dc, client, CurrentLook().pageBackground);
}

void GroupBox::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    const std::wstring caption = Text();
    const SIZE text = MeasureText({}, caption);
    RECT frame = client;
    frame.top += text.cy / 2;
    HBRUSH border = ::CreateSolidBrush(look.groupFrame);
    ::FrameRect(dc, &frame, border);
    ::DeleteObject(border);
    if (caption.empty()) return;
    RECT label{Scale(8), 0, Scale(8) + text.cx + Scale(4), text.cy};
    FillSolid(dc, label, look.pageBackground);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, look.groupText);
    HGDIOBJ old = ::SelectObject(dc, GetFont({}));
    ::DrawTextW(dc, caption.c_str(), -1, &label, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, old);
}

}  // namespace widgets
