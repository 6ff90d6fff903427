// Check boxes and radio buttons drawn in the look. Setting the state from code runs the
// click handler exactly when the state changes, as the user's click would.
#pragma once

#include "widgets/Control.h"
#include "widgets/Fonts.h"

namespace widgets {

class CheckControl : public ClickableControl {
public:
    int Tag() const { return tag_; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void Prepare(int tag, const FontSpec& font, bool checked);
    void Paint(HDC dc, const RECT& client) override;
    virtual void DrawMark(HDC dc, const RECT& box) const = 0;
    void SetCheckedQuietly(bool checked);
    FontSpec font_;

private:
    int tag_ = 0;
    bool checked_ = false;
};

class CheckBox : public CheckControl {
public:
    void Create(HWND parent, const std::wstring& caption, int tag, const Bounds& bounds,
                const FontSpec& font, bool checked);
    void PerformClick() override;  // the user's click toggles

protected:
    void DrawMark(HDC dc, const RECT& box) const override;
};

// Radio buttons with the same parent window form one group.
class RadioButton : public CheckControl {
public:
    void Create(HWND parent, const std::wstring& caption, int tag, const Bounds& bounds,
                const FontSpec& font, bool checked);
    void PerformClick() override;  // the user's click checks it
    void Check();                  // checks it and unchecks the others of its group

protected:
    void DrawMark(HDC dc, const RECT& box) const override;
};

}  // namespace widgets
