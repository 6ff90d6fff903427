// A look of the window as plain data: the colours and fonts of everything our controls draw.
// The skins are values of this type; switching one repaints every control.
#pragma once

#include <cstdint>
#include <string>

namespace widgets {

// 0x00BBGGRR, the layout of a Windows COLORREF.
using Colour = uint32_t;
constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

struct Look {
    std::wstring name;
    Colour formBackground;
    Colour toolbarTop, toolbarBottom;  // the toolbar's vertical gradient
    Colour toolButtonHotTop, toolButtonHotBottom, toolButtonFrame;
    Colour toolButtonText;
    Colour pageBackground;
    Colour panelBackground;
    Colour buttonFace, buttonHot, buttonBorder, buttonText, buttonTextShadow, buttonDisabledText;
    Colour tabFace, tabActiveFace, tabHighlight, tabText, tabBorder;
    Colour statusTop, statusBottom, statusFrame, statusText;
    Colour labelText, hintText;
    Colour linkText, linkVisited;
    Colour headerBackground, headerText, headerHot;
    Colour selection, selectionUnfocused;
    Colour groupFrame, groupText;
};

// The default look, in which the window first opens.
const Look& DefaultLook();

}  // namespace widgets
