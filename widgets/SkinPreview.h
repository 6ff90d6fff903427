// A small sample window with the program's title, drawn in one skin's look by the same
// drawing helpers as the real window, so a preview never drifts from what it shows.
#pragma once

#include "widgets/Control.h"

namespace widgets {

class SkinPreview : public Control {
public:
    void Create(HWND parent, int skinNumber, const std::wstring& title, const Bounds& bounds);

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    int skin_ = 1;
};

}  // namespace widgets
