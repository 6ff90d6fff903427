// A plain container filled with one colour of the look (pages, panels).
#pragma once

#include "widgets/Control.h"

namespace widgets {

class Panel : public Control {
public:
    using ColourOf = Colour (*)(const Look&);
    void Create(HWND parent, const std::wstring& name, const Bounds& bounds, ColourOf colour,
                bool visible = true);

protected:
    void PaintBackground(HDC dc, const RECT& client) override;

private:
    ColourOf colour_ = nullptr;
};

Colour PageColour(const Look& look);
Colour PanelColour(const Look& look);

void FillSolid(HDC dc, const RECT& rect, Colour colour);
void FillVerticalGradient(HDC dc, const RECT& rect, Colour top, Colour bottom);

}  // namespace widgets
