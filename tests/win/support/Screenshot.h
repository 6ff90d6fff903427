// Saves what a window shows as a PNG, for people to look at.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Captures the window's client area from the screen; returns the file written, or "".
std::wstring SaveScreenshot(HWND window, const std::wstring& name);

// The colour of one client-area pixel as the screen shows it.
COLORREF ScreenPixel(HWND window, int x, int y);

}  // namespace testing_support
