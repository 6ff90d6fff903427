// A framed group of controls with its caption in the frame's top edge, in the look's group
// colours. Its children are placed in its own client coordinates.
#pragma once

#include "widgets/Control.h"
#include "widgets/Fonts.h"

namespace widgets {

class GroupBox : public Control {
  public:
    void Create(HWND parent, const std::wstring& caption, const Bounds& bounds,
                const FontSpec& font);

  protected:
    void Paint(HDC dc, const RECT& client) override;

  private:
    FontSpec font_;
};

}  // namespace widgets
