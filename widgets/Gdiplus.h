// GDI+ for antialiased drawing, started on first use and kept for the program's life.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

namespace widgets {

void EnsureGdiplus();

// An antialiased Graphics on a DC, with pixel offsets set for crisp edges.
struct SmoothGraphics {
    explicit SmoothGraphics(HDC dc);
    Gdiplus::Graphics g;
};

inline Gdiplus::Color ToGdiplus(COLORREF c, BYTE alpha = 255) {
    return Gdiplus::Color(alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace widgets
