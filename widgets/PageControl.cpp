#include "widgets/PageControl.h"

#include "widgets/Dpi.h"

namespace widgets {

void TabButton::Create(HWND parent, const std::wstring& caption, const Bounds& bounds,
                       const PageControl* owner, int index) {
    owner_ = owner;
    index_ = index;
    CreateWindowOf(L"KsTabButton", parent, caption, bounds);
}

void TabButton::Paint(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    const bool active = owner_->ActivePage() == index_;
    RECT r = client;
    if (!active) r.top += Scale(2);
    FillSolid(dc, r, active ? look.tabActiveFace : (Hot() ? look.buttonHot : look.tabFace));
    HPEN pen = ::CreatePen(PS_SOLID, 1, look.tabBorder);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::MoveToEx(dc, r.left, r.bottom, nullptr);
    ::LineTo(dc, r.left, r.top);
    ::LineTo(dc, r.right - 1, r.top);
    ::LineTo(dc, r.right - 1, r.bottom);
    ::SelectObject(dc, oldPen);
    ::DeleteObject(pen);
    if (active) FillSolid(dc, {r.left, r.top, r.right, r.top + Scale(3)}, look.tabHighlight);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, look.tabText);
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont({}));
    const std::wstring caption = Text();
    ::DrawTextW(dc, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

void PageControl::Create(HWND parent, const Bounds& bounds, bool showTabs) {
    showTabs_ = showTabs;
    CreateWindowOf(L"KsPageControl", parent, L"", bounds, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT);
}

Panel& PageControl::AddPage(const std::wstring& caption) {
    const int index = PageCount();
    auto page = std::make_unique<Panel>();
    page->Create(Handle(), caption, {0, 0, 10, 10}, &PageColour, false);
    pages_.push_back(std::move(page));
    if (showTabs_) {
        const int width = MeasureText({}, caption).cx * 96 / Dpi() + 24;
        auto tab = std::make_unique<TabButton>();
        tab->Create(Handle(), caption, {nextTabLeft_, 0, width, kTabHeight}, this, index);
        nextTabLeft_ += width;
        tab->OnClick([this, index] { SetActivePage(index); });
        tabs_.push_back(std::move(tab));
    }
    if (active_ < 0) SetActivePage(0);
    Layout();
    return *pages_.back();
}

void PageControl::SetActivePage(int index) {
    if (index < 0 || index >= PageCount() || index == active_) return;
    active_ = index;
    for (int i = 0; i < PageCount(); ++i) Page(i).SetVisible(i == index);
    for (const auto& tab : tabs_) tab->Invalidate();
}

void PageControl::Layout() {
    RECT client = ClientRect();
    if (showTabs_) {
        client.top += Scale(kTabHeight);
        InflateRect(&client, -1, -1);
        client.top -= 1;
    }
    for (auto& page : pages_) page->SetPixelBounds(client);
}

LRESULT PageControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) Layout();
    return Control::OnMessage(message, wParam, lParam);
}

void PageControl::PaintBackground(HDC dc, const RECT& client) {
    const Look& look = CurrentLook();
    FillSolid(dc, client, look.pageBackground);
    if (!showTabs_) return;
    RECT frame = client;
    frame.top += Scale(kTabHeight);
    HBRUSH border = ::CreateSolidBrush(look.tabBorder);
    ::FrameRect(dc, &frame, border);
    ::DeleteObject(border);
}

}  // namespace widgets
