#include "BenchWindow.h"

namespace spandle::bench {

BenchWindow CreateBenchWindow() {
    static const wchar_t* kClass = L"SpandleBenchWindow";
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassW(&wc);
    BenchWindow w;
    w.frame = CreateWindowExW(0, kClass, L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 120,
                              nullptr, nullptr, wc.hInstance, nullptr);
    w.label = CreateWindowExW(0, L"STATIC", L"0", WS_CHILD | WS_VISIBLE, 10, 10, 300, 20, w.frame,
                              nullptr, wc.hInstance, nullptr);
    return w;
}

void DestroyBenchWindow(BenchWindow& window) {
    DestroyWindow(window.frame);
    PumpPending();
    window = {};
}

int PumpPending() {
    int handled = 0;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        ++handled;
    }
    return handled;
}

}  // namespace spandle::bench
