// The program's artwork, drawn in code at any size: toolbar glyphs, button glyphs, radar.
#pragma once

#include <windows.h>

namespace widgets {

// The nine toolbar glyphs, by index: 0 magnifier over a bar chart, 1 hard disk, 2 house,
// 3 question mark, 4 two circling arrows, 5 screwdriver and wrench, 6 folder with a plus,
// 7 door with an arrow, 8 letter A.
constexpr int kToolGlyphCount = 9;
void DrawToolGlyph(HDC dc, int index, const RECT& box, bool enabled);

enum class ButtonGlyph { OpenFolder, Magnifier, Cross };
void DrawButtonGlyph(HDC dc, ButtonGlyph glyph, const RECT& box, bool enabled);

// A green radar screen; the sweep's angle in degrees, and whether echoes fade with it.
void DrawRadar(HDC dc, const RECT& box, float sweepDegrees);

}  // namespace widgets
