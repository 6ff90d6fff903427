// A framed group of controls with an optional caption in the frame's top edge.
#pragma once

#include "widgets/Control.h"

namespace widgets {

class GroupBox : public Control {
public:
    void Create(HWND parent, const std::wstring& caption, const Bounds& bounds);

protected:
    void PaintBackground(HDC dc, const RECT& client) override;
    void Paint(HDC dc, const RECT& client) override;
};

}  // namespace widgets
