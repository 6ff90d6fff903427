// How long a user-interface thread goes without handling a message while it polls a scan
// ten times a second and shows the count in a label, as the main window does.
#pragma once

#include <windows.h>

#include <functional>

namespace spandle::bench {

// Pumps until done() is true (or for idleSeconds when done is empty); returns the longest
// gap, in seconds, between two handled messages. A helper thread posts a message every
// 2 ms, so a thread that keeps up never waits longer than that.
double LongestMessageGap(const std::function<bool()>& done,
                         const std::function<void(HWND label)>& onTimer, double idleSeconds);

}  // namespace spandle::bench
