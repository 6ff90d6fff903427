// Pages of which one is shown; with tabs (a strip of tab buttons) or with hidden tabs, where
// only the program switches pages.
#pragma once

#include <memory>
#include <vector>

#include "widgets/Control.h"
#include "widgets/Fonts.h"
#include "widgets/Panel.h"

namespace widgets {

class PageControl;

class TabButton : public ClickableControl {
public:
    void Create(HWND parent, const std::wstring& caption, const Bounds& bounds,
                const PageControl* owner, int index);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    const PageControl* owner_ = nullptr;
    int index_ = 0;
};

class PageControl : public Control {
public:
    void Create(HWND parent, const Bounds& bounds, bool showTabs);
    // A new page; its window text is its caption. Returns the page's window.
    Panel& AddPage(const std::wstring& caption);
    void SetActivePage(int index);
    int ActivePage() const { return active_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    Panel& Page(int index) { return *pages_[static_cast<size_t>(index)]; }
    void Layout();
    bool TabsShown() const { return showTabs_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc, const RECT& client) override;

private:
    static constexpr int kTabHeight = 19;
    bool showTabs_ = false;
    int active_ = -1;
    int nextTabLeft_ = 2;  // 96 DPI
    std::vector<std::unique_ptr<Panel>> pages_;
    std::vector<std::unique_ptr<TabButton>> tabs_;
};

}  // namespace widgets
