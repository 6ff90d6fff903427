// The status bar: one framed panel, filling the bar, whose window text is the status line.
#pragma once

#include "widgets/Control.h"

namespace widgets {

class StatusPanel : public Control {
public:
    void Create(HWND parent, const Bounds& bounds);

protected:
    void Paint(HDC dc, const RECT& client) override;
};

class StatusBar : public Control {
public:
    void Create(HWND parent, const Bounds& bounds);
    StatusPanel& Panel() { return panel_; }
    void Layout();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void PaintBackground(HDC dc, const RECT& client) override;

private:
    StatusPanel panel_;
};

}  // namespace widgets
