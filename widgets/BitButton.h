// A push button with a 16 x 16 glyph left of its caption, in the look's button colours.
#pragma once

#include "widgets/Control.h"
#include "widgets/Fonts.h"
#include "widgets/Glyphs.h"

namespace widgets {

class BitButton : public ClickableControl {
public:
    void Create(HWND parent, const std::wstring& caption, ButtonGlyph glyph, const Bounds& bounds,
                const FontSpec& font, bool visible = true);
    void SetHint(const std::wstring& hint);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    ButtonGlyph glyph_ = ButtonGlyph::Magnifier;
    FontSpec font_;
    HWND tooltip_ = nullptr;
};

}  // namespace widgets
