// A real top-level window with a label, for the benchmarks that pump messages.
#pragma once

#include <windows.h>

namespace spandle::bench {

struct BenchWindow {
    HWND frame = nullptr;
    HWND label = nullptr;
};

BenchWindow CreateBenchWindow();
void DestroyBenchWindow(BenchWindow& window);
// Handles every pending message; returns how many.
int PumpPending();

}  // namespace spandle::bench
