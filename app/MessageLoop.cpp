#include "app/MessageLoop.h"

#include "app/FormSpandle.h"

namespace app {
namespace {

bool IsAltLetter(const MSG& m) {
    return m.message == WM_SYSKEYDOWN && (m.lParam & (1 << 29)) &&
           ((m.wParam >= 'A' && m.wParam <= 'Z') || (m.wParam >= '0' && m.wParam <= '9'));
}

bool BelongsTo(const TFormSpandle& form, HWND window) {
    return window && form.Handle() &&
           (window == form.Handle() || ::IsChild(form.Handle(), window));
}

}  // namespace

bool DispatchOne(TFormSpandle& form, const MSG& message) {
    if (message.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return false;
    }
    if (IsAltLetter(message) && BelongsTo(form, message.hwnd) &&
        form.HandleAccelerator(static_cast<wchar_t>(message.wParam)))
        return true;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    return true;
}

bool ProcessPendingMessages(TFormSpandle& form) {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        if (!DispatchOne(form, message)) return false;
    return true;
}

int RunMessageLoop(TFormSpandle& form) {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) DispatchOne(form, message);
    return static_cast<int>(message.wParam);
}

}  // namespace app
