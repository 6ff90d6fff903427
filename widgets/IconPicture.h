// A picture showing an icon stretched to its bounds.
#pragma once

#include "widgets/Control.h"

namespace widgets {

class IconPicture : public Control {
public:
    void Create(HWND parent, HICON icon, const Bounds& bounds);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    HICON icon_ = nullptr;
};

// A picture showing one of the program's drawn glyphs.
class GlyphPicture : public Control {
public:
    void Create(HWND parent, int glyph, const Bounds& bounds);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    int glyph_ = 0;
};

}  // namespace widgets
