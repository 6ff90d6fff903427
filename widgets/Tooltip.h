#pragma once

#include <windows.h>

#include <string>

namespace widgets {

// Attaches (or updates) a tooltip over the whole of a control; returns the tooltip window.
HWND AttachTooltip(HWND control, const std::wstring& text, HWND existing = nullptr);

}  // namespace widgets
