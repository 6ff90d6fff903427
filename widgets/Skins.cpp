#include "widgets/Skins.h"

#include <array>

namespace widgets {
namespace {

// A look derived from the default one: the colours that make a skin recognisable.
struct Palette {
    const wchar_t* name;
    Colour form, barTop, barBottom, hotTop, hotBottom, hotFrame, page, panel;
    Colour button, buttonHot, buttonBorder, tabHighlight, statusTop, statusBottom, statusFrame;
    Colour header, headerText, selection, groupFrame, groupText, text;
    Colour barText;  // on the toolbar and the status bar
};

Look FromPalette(const Palette& p) {
    Look look = DefaultLook();
    look.name = p.name;
    look.formBackground = p.form;
    look.toolbarTop = p.barTop;
    look.toolbarBottom = p.barBottom;
    look.toolButtonHotTop = p.hotTop;
    look.toolButtonHotBottom = p.hotBottom;
    look.toolButtonFrame = p.hotFrame;
    look.pageBackground = p.page;
    look.panelBackground = p.panel;
    look.buttonFace = p.button;
    look.buttonHot = p.buttonHot;
    look.buttonBorder = p.buttonBorder;
    look.tabHighlight = p.tabHighlight;
    look.statusTop = p.statusTop;
    look.statusBottom = p.statusBottom;
    look.statusFrame = p.statusFrame;
    look.headerBackground = p.header;
    look.headerText = p.headerText;
    look.selection = p.selection;
    look.groupFrame = p.groupFrame;
    look.groupText = p.groupText;
    look.labelText = p.text;
    look.toolButtonText = p.barText;
    look.tabText = p.text;
    look.statusText = p.barText;
    return look;
}

const std::array<Look, kSkinCount>& Looks() {
    static const std::array<Look, kSkinCount> looks = {
        DefaultLook(),
        FromPalette({L"奢华金",          Rgb(245, 238, 220), Rgb(255, 250, 235), Rgb(222, 190, 120),
                     Rgb(255, 248, 225), Rgb(240, 205, 130), Rgb(180, 140, 60),  Rgb(255, 255, 255),
                     Rgb(255, 252, 244), Rgb(236, 204, 140), Rgb(255, 244, 214), Rgb(170, 130, 60),
                     Rgb(190, 140, 40),  Rgb(250, 242, 222), Rgb(220, 196, 140), Rgb(170, 140, 80),
                     Rgb(252, 246, 232), Rgb(80, 50, 10),    Rgb(200, 150, 50),  Rgb(210, 180, 120),
                     Rgb(140, 90, 20),   Rgb(40, 30, 10),    Rgb(40, 30, 10)}),
        FromPalette({L"新世代红",        Rgb(250, 236, 236), Rgb(255, 245, 245), Rgb(220, 90, 90),
                     Rgb(255, 240, 240), Rgb(245, 160, 160), Rgb(190, 40, 40),   Rgb(255, 255, 255),
                     Rgb(255, 250, 250), Rgb(240, 160, 160), Rgb(255, 228, 228), Rgb(170, 40, 40),
                     Rgb(200, 20, 20),   Rgb(255, 240, 240), Rgb(225, 150, 150), Rgb(170, 60, 60),
                     Rgb(255, 244, 244), Rgb(120, 0, 0),     Rgb(210, 60, 60),   Rgb(220, 160, 160),
                     Rgb(170, 20, 20),   Rgb(40, 0, 0),      Rgb(40, 0, 0)}),
        FromPalette({L"X 因子",          Rgb(60, 60, 66),    Rgb(96, 96, 104),   Rgb(30, 30, 34),
                     Rgb(120, 120, 130), Rgb(70, 70, 80),    Rgb(200, 120, 0),   Rgb(246, 246, 248),
                     Rgb(226, 226, 232), Rgb(170, 170, 180), Rgb(255, 200, 120), Rgb(40, 40, 46),
                     Rgb(255, 140, 0),   Rgb(80, 80, 88),    Rgb(40, 40, 44),    Rgb(20, 20, 24),
                     Rgb(60, 60, 68),    Rgb(255, 255, 255), Rgb(255, 140, 0),   Rgb(120, 120, 130),
                     Rgb(200, 100, 0),   Rgb(20, 20, 24),    Rgb(235, 235, 240)}),
        FromPalette({L"默认 Win7",       Rgb(240, 240, 240), Rgb(252, 253, 254), Rgb(219, 229, 243),
                     Rgb(253, 254, 255), Rgb(196, 224, 252), Rgb(125, 162, 206), Rgb(255, 255, 255),
                     Rgb(255, 255, 255), Rgb(225, 225, 225), Rgb(229, 241, 251), Rgb(112, 112, 112),
                     Rgb(51, 153, 255),  Rgb(241, 245, 251), Rgb(214, 225, 240), Rgb(160, 175, 195),
                     Rgb(255, 255, 255), Rgb(30, 57, 91),    Rgb(51, 153, 255),  Rgb(213, 223, 229),
                     Rgb(30, 57, 91),    Rgb(0, 0, 0),       Rgb(0, 0, 0)}),
        FromPalette({L"进取蓝",          Rgb(226, 236, 250), Rgb(235, 244, 255), Rgb(60, 120, 200),
                     Rgb(230, 242, 255), Rgb(130, 180, 240), Rgb(30, 80, 160),   Rgb(255, 255, 255),
                     Rgb(244, 249, 255), Rgb(150, 190, 240), Rgb(220, 236, 255), Rgb(30, 80, 160),
                     Rgb(20, 90, 200),   Rgb(236, 244, 255), Rgb(150, 185, 230), Rgb(60, 100, 170),
                     Rgb(236, 244, 255), Rgb(10, 40, 100),   Rgb(20, 100, 220),  Rgb(150, 180, 220),
                     Rgb(20, 70, 160),   Rgb(0, 20, 60),     Rgb(0, 20, 60)}),
    };
    return looks;
}

}  // namespace

bool IsSkinNumber(int number) {
    return number >= 1 && number <= kSkinCount;
}

const Look& SkinLook(int number) {
    return Looks()[static_cast<size_t>(IsSkinNumber(number) ? number - 1 : 0)];
}

}  // namespace widgets
