// Base of our own controls: a Win32 child window whose window text is its caption, drawn
// double-buffered by the C++ object behind it.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

#include "widgets/Theme.h"

namespace widgets {

// Sent by a control to its parent: paint your background under me into this DC
// (wParam: HDC in the child's coordinates, lParam: the child's HWND). Lets controls look
// transparent on gradients and coloured panels.
constexpr UINT kPaintBackground = WM_APP + 0x100;

// Bounds at 96 DPI; scaled when the window is created.
struct Bounds {
    int x = 0, y = 0, width = 0, height = 0;
};

// Errors escaping a handler end up here: the application's default error report.
void SetErrorReporter(std::function<void(const std::exception&)> reporter);
void ReportError(const std::exception& error);

const Look& CurrentLook();
void SetCurrentLook(const Look& look);  // the caller repaints

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    HWND Handle() const { return hwnd_; }
    void SetText(const std::wstring& text);
    std::wstring Text() const;
    void SetVisible(bool visible);
    bool Visible() const;
    void SetEnabled(bool enabled);
    bool Enabled() const;
    void SetBounds(const Bounds& bounds);    // 96-DPI units
    void SetPixelBounds(const RECT& rect);   // device pixels, in the parent's client area
    RECT ClientRect() const;
    void Invalidate() const;

protected:
    static void RegisterClass(const wchar_t* className, LPCWSTR cursor = IDC_ARROW);
    void CreateWindowOf(const wchar_t* className, HWND parent, const std::wstring& text,
                        const Bounds& bounds, DWORD style = WS_CHILD | WS_VISIBLE,
                        DWORD exStyle = 0);

    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The control's own background (containers) and then its content.
    virtual void PaintBackground(HDC dc, const RECT& client);
    virtual void Paint(HDC, const RECT&) {}
    void PaintParentBackground(HDC dc) const;
    bool Hot() const { return hot_; }
    virtual void HotChanged() { Invalidate(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintBuffered();
    void PaintChildBackground(HDC dc, HWND child);
    void TrackHot(UINT message);

    HWND hwnd_ = nullptr;
    bool hot_ = false;
};

// A control that acts on a left click, on BM_CLICK (automation) and on PerformClick.
class ClickableControl : public Control {
public:
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    virtual void PerformClick();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Pressed() const { return pressed_; }

private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

}  // namespace widgets
