#include "widgets/Control.h"

#include <windowsx.h>

#include "widgets/Dpi.h"

namespace widgets {
namespace {

std::function<void(const std::exception&)> errorReporter;
const Look* currentLook = nullptr;

}  // namespace

void SetErrorReporter(std::function<void(const std::exception&)> reporter) {
    errorReporter = std::move(reporter);
}

void ReportError(const std::exception& error) {
    if (errorReporter) errorReporter(error);
}

const Look& CurrentLook() { return currentLook ? *currentLook : DefaultLook(); }

void SetCurrentLook(const Look& look) { currentLook = &look; }

Control::~Control() {
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
}

void Control::RegisterClass(const wchar_t* className, LPCWSTR cursor) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), className, &wc)) return;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Control::WindowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, cursor);
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

void Control::CreateWindowOf(const wchar_t* className, HWND parent, const std::wstring& text,
                             const Bounds& b, DWORD style, DWORD exStyle) {
    RegisterClass(className);
    hwnd_ = ::CreateWindowExW(exStyle, className, text.c_str(), style | WS_CLIPSIBLINGS,
                              Scale(b.x), Scale(b.y), Scale(b.width), Scale(b.height), parent,
                              nullptr, ::GetModuleHandleW(nullptr), this);
}

void Control::SetText(const std::wstring& text) { ::SetWindowTextW(hwnd_, text.c_str()); }

std::wstring Control::Text() const {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(hwnd_)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Control::SetVisible(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

bool Control::Visible() const { return (::GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetEnabled(bool enabled) { ::EnableWindow(hwnd_, enabled); }

bool Control::Enabled() const { return ::IsWindowEnabled(hwnd_) != 0; }

void Control::SetBounds(const Bounds& b) {
    ::MoveWindow(hwnd_, Scale(b.x), Scale(b.y), Scale(b.width), Scale(b.height), TRUE);
}

void Control::SetPixelBounds(const RECT& r) {
    ::MoveWindow(hwnd_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

RECT Control::ClientRect() const {
    RECT r{};
    ::GetClientRect(hwnd_, &r);
    return r;
}

void Control::Invalidate() const { ::InvalidateRect(hwnd_, nullptr, FALSE); }

void Control::PaintBackground(HDC dc, const RECT&) { PaintParentBackground(dc); }

void Control::PaintParentBackground(HDC dc) const {
    HWND parent = ::GetParent(hwnd_);
    if (!parent || !::SendMessageW(parent, kPaintBackground, reinterpret_cast<WPARAM>(dc),
                                   reinterpret_cast<LPARAM>(hwnd_))) {
        RECT r = ClientRect();
        HBRUSH brush = ::CreateSolidBrush(CurrentLook().pageBackground);
        ::FillRect(dc, &r, brush);
        ::DeleteObject(brush);
    }
}

void Control::PaintChildBackground(HDC dc, HWND child) {
    RECT childRect{};
    ::GetWindowRect(child, &childRect);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&childRect), 2);
    POINT old{};
    ::OffsetViewportOrgEx(dc, -childRect.left, -childRect.top, &old);
    RECT client = ClientRect();
    PaintBackground(dc, client);
    ::SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void Control::PaintBuffered() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    RECT client = ClientRect();
    const int w = client.right, h = client.bottom;
    if (w > 0 && h > 0) {
        HDC memory = ::CreateCompatibleDC(dc);
        HBITMAP bitmap = ::CreateCompatibleBitmap(dc, w, h);
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        PaintBackground(memory, client);
        Paint(memory, client);
        ::BitBlt(dc, 0, 0, w, h, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(memory);
    }
    ::EndPaint(hwnd_, &ps);
}

void Control::TrackHot(UINT message) {
    if (message == WM_MOUSEMOVE && !hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
        ::TrackMouseEvent(&track);
        HotChanged();
    } else if (message == WM_MOUSELEAVE && hot_) {
        hot_ = false;
        HotChanged();
    }
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            PaintBuffered();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case kPaintBackground:
            PaintChildBackground(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
            return 1;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            TrackHot(message);
            break;
        case WM_SETTEXT:
        case WM_ENABLE: {
            const LRESULT result = ::DefWindowProcW(hwnd_, message, wParam, lParam);
            Invalidate();
            return result;
        }
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Control*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Control*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportError(error);
        return 0;
    }
}

void ClickableControl::PerformClick() {
    if (onClick_ && Enabled()) onClick_();
}

LRESULT ClickableControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            ::SetCapture(Handle());
            Invalidate();
            return 0;
        case WM_LBUTTONUP: {
            if (!pressed_) return 0;
            pressed_ = false;
            ::ReleaseCapture();
            Invalidate();
            RECT r = ClientRect();
            POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (::PtInRect(&r, p)) PerformClick();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            Invalidate();
            break;
        case BM_CLICK:
            PerformClick();
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        default:
            break;
    }
    return Control::OnMessage(message, wParam, lParam);
}

}  // namespace widgets
