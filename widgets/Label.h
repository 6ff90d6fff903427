// A text label that sizes itself to its text and draws on its parent's background.
#pragma once

#include <optional>

#include "widgets/Control.h"
#include "widgets/Fonts.h"

namespace widgets {

class Label : public Control {
public:
    struct Style {
        FontSpec font;
        std::optional<Colour> colour;  // none: the look's label colour
        bool alignRight = false;       // x of the bounds is then the right edge
        bool onToolbar = false;        // takes the toolbar's text colour of the look
    };
    void Create(HWND parent, const std::wstring& text, int x, int y, const Style& style);
    const Style& GetStyle() const { return style_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc, const RECT& client) override;
    virtual Colour TextColour() const;

private:
    void FitToText();

    Style style_;
    int anchorX_ = 0, anchorY_ = 0;
};

}  // namespace widgets
