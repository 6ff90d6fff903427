#include "widgets/Theme.h"

namespace widgets {

const Look& DefaultLook() {
    static const Look look{
        .name = L"清新",
        .formBackground = Rgb(240, 240, 240),
        .toolbarTop = Rgb(255, 255, 255),
        .toolbarBottom = Rgb(210, 210, 255),
        .toolButtonHotTop = Rgb(255, 255, 255),
        .toolButtonHotBottom = Rgb(181, 228, 251),
        .toolButtonFrame = Rgb(176, 176, 255),
        .toolButtonText = Rgb(0, 0, 0),
        .pageBackground = Rgb(255, 255, 255),
        .panelBackground = Rgb(255, 255, 255),
        .buttonFace = Rgb(165, 231, 170),
        .buttonHot = Rgb(255, 251, 240),
        .buttonBorder = Rgb(96, 160, 104),
        .buttonText = Rgb(0, 0, 0),
        .buttonTextShadow = Rgb(255, 255, 255),
        .buttonDisabledText = Rgb(128, 128, 128),
        .tabFace = Rgb(236, 236, 236),
        .tabActiveFace = Rgb(255, 255, 255),
        .tabHighlight = Rgb(0, 0, 255),
        .tabText = Rgb(0, 0, 0),
        .tabBorder = Rgb(160, 160, 160),
        .statusTop = Rgb(250, 250, 250),
        .statusBottom = Rgb(220, 220, 230),
        .statusFrame = Rgb(160, 160, 176),
        .statusText = Rgb(0, 0, 0),
        .labelText = Rgb(0, 0, 0),
        .hintText = Rgb(0, 0, 128),
        .linkText = Rgb(60, 60, 120),
        .linkVisited = Rgb(130, 95, 70),
        .headerBackground = Rgb(255, 255, 255),
        .headerText = Rgb(0, 0, 0),
        .headerHot = Rgb(0, 0, 255),
        .selection = Rgb(51, 153, 255),
        .selectionUnfocused = Rgb(109, 109, 109),
        .groupFrame = Rgb(208, 208, 191),
        .groupText = Rgb(0, 70, 213),
    };
    return look;
}

}  // namespace widgets
