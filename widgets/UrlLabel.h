// A link label: underlined, hand cursor, opens its address with the shell when clicked.
#pragma once

#include "widgets/Label.h"

namespace widgets {

class UrlLabel : public Label {
public:
    void Create(HWND parent, const std::wstring& caption, int x, int y, const Style& style);
    void SetAddress(const std::wstring& address) { address_ = address; }
    const std::wstring& Address() const { return address_; }
    void SetHint(const std::wstring& hint);
    void Open();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    Colour TextColour() const override;

private:
    std::wstring address_;
    HWND tooltip_ = nullptr;
    bool visited_ = false;
    bool pressed_ = false;
};

}  // namespace widgets
