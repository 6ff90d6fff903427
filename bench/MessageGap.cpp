#include "MessageGap.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "BenchWindow.h"

namespace spandle::bench {

double LongestMessageGap(const std::function<bool()>& done,
                         const std::function<void(HWND label)>& onTimer, double idleSeconds) {
    using Clock = std::chrono::steady_clock;
    BenchWindow window = CreateBenchWindow();
    std::atomic<bool> stop{false};
    std::thread poster([&] {
        while (!stop) {
            PostMessageW(window.frame, WM_APP, 0, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
    SetTimer(window.frame, 1, 100, nullptr);
    const auto start = Clock::now();
    auto last = start;
    double longest = 0;
    auto finished = [&] {
        if (done) return done();
        return std::chrono::duration<double>(Clock::now() - start).count() >= idleSeconds;
    };
    while (!finished()) {
        MSG msg;
        if (!GetMessageW(&msg, nullptr, 0, 0)) break;
        const auto now = Clock::now();
        longest = std::max(longest, std::chrono::duration<double>(now - last).count());
        last = now;
        if (msg.message == WM_TIMER && onTimer) onTimer(window.label);
        DispatchMessageW(&msg);
    }
    stop = true;
    poster.join();
    KillTimer(window.frame, 1);
    DestroyBenchWindow(window);
    return longest;
}

}  // namespace spandle::bench
