// The toolbar: a gradient strip of 80 x 60 buttons (glyph above caption), spacers and a label.
#pragma once

#include <vector>

#include "widgets/Control.h"
#include "widgets/Fonts.h"

namespace widgets {

class ToolBar;

class ToolButton : public ClickableControl {
public:
    int Group() const { return group_; }
    bool Down() const { return down_; }
    void SetDown(bool down);
    // Pressing a button of a group releases the others of that group.
    void PerformClick() override;

protected:
    void Paint(HDC dc, const RECT& client) override;

private:
    friend class ToolBar;
    ToolBar* bar_ = nullptr;
    int glyph_ = 0;
    int group_ = 0;
    bool down_ = false;
    FontSpec font_;
};

class ToolBar : public Control {
public:
    enum class Spacer { Grooved, Plain };
    void Create(HWND parent, const Bounds& bounds, int borderWidth);
    // Items are placed left to right in the order they are added.
    // group 0: a plain button; buttons sharing another group are mutually exclusive.
    void AddButton(ToolButton& button, const std::wstring& caption, int glyph, int group,
                   const FontSpec& font);
    void AddSpacer(Spacer kind, int width);
    int NextLeft(int width);  // reserves room for another item; its left edge, 96 DPI
    int Top() const { return border_; }
    void Press(ToolButton& button);
    const std::vector<ToolButton*>& Buttons() const { return buttons_; }

protected:
    void PaintBackground(HDC dc, const RECT& client) override;
    void Paint(HDC dc, const RECT& client) override;

private:
    int border_ = 0;
    int next_ = 0;
    std::vector<int> grooves_;  // centres of grooved spacers, 96 DPI
    std::vector<ToolButton*> buttons_;
};

}  // namespace widgets
