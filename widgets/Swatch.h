// A small square of one colour with a sunken edge, as a legend beside a chart's figures.
#pragma once

#include "widgets/Control.h"

namespace widgets {

class Swatch : public Control {
  public:
    void Create(HWND parent, const Bounds& bounds, Colour colour);
    Colour Fill() const { return colour_; }

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;

  private:
    Colour colour_ = 0;
};

}  // namespace widgets
