// The Options page: auto-analysis, the grid's columns, the Explorer verb and the skins.
#include "app/AppInfo.h"
#include "app/FormSpandle.h"

namespace app {
namespace {

const widgets::FontSpec kFont{L"Arial", -11};

}  // namespace

void TFormSpandle::CreateOptionsPage(HWND page) {
    Panel3.Create(page, L"", {0, 0, 848, 41}, &widgets::PageColour);
    Image5.Create(Panel3.Handle(), 5, {15, 4, 32, 32});
    Label4.Create(Panel3.Handle(), L"参数设置", 59, 15, {{L"Arial", -12, true}, std::nullopt, false});

    GroupBox3.Create(page, L"", {0, 41, 848, 160});
    HWND g3 = GroupBox3.Handle();
    CBAuto.Create(g3, L"目录选中后自动进行分析", 1, {16, 16, 513, 17}, kFont, true);
    CBAuto.OnClick([this] { CBAutoClick(); });
    GroupBox4.Create(g3, L"表格显示的列", {13, 40, 820, 73});
    HWND g4 = GroupBox4.Handle();
    const struct {
        widgets::CheckBox& box;
        const wchar_t* caption;
        int left, top;
    } columns[] = {{CB1, L"大小(字节)", 32, 24},     {CB2, L"大小", 288, 24},
                   {CB3, L"文件夹内%", 560, 24},     {CB4, L"文件夹内比例图", 32, 48},
                   {CB5, L"总%", 288, 48},           {CB6, L"总比例图", 560, 48}};
    int tag = 2;
    for (const auto& c : columns) {
        c.box.Create(g4, c.caption, tag++, {c.left, c.top, 217, 17}, kFont, true);
        c.box.OnClick([this, &box = c.box] { CB1Click(box); });
    }
    BTNAddReg.Create(g3, L"注册系统右键", widgets::ButtonGlyph::OpenFolder, {11, 120, 258, 29}, kFont);
    BTNAddReg.OnClick([this] { BTNAddRegClick(); });
    BTNDelReg.Create(g3, L"删除系统右键", widgets::ButtonGlyph::Cross, {279, 120, 258, 29}, kFont);
    BTNDelReg.OnClick([this] { BTNDelRegClick(); });

    Panel2.Create(page, L"", {0, 201, 848, 41}, &widgets::PageColour);
    Image4.Create(Panel2.Handle(), 8, {15, 0, 32, 32});
    Label12.Create(Panel2.Handle(), L"皮肤选择", 62, 15, {{L"Arial", -12, true}, std::nullopt, false});
    CreateSkinGroup(page);
}

void TFormSpandle::CreateSkinGroup(HWND page) {
    GroupBox2.Create(page, L"", {0, 242, 848, 274});
    HWND g2 = GroupBox2.Handle();
    const struct {
        widgets::SkinPreview& preview;
        widgets::RadioButton& radio;
        int left, top, radioLeft;
    } skins[] = {{Image6, RadioButton1, 12, 27, 120},  {Image7, RadioButton2, 292, 27, 392},
                 {Image8, RadioButton3, 572, 27, 695}, {Image12, RadioButton4, 13, 148, 123},
                 {Image13, RadioButton5, 292, 148, 392}, {Image14, RadioButton6, 573, 148, 698}};
    int tag = 1;
    for (const auto& s : skins) {
        s.preview.Create(g2, tag, kFormCaption, {s.left, s.top, 252, 90});
        s.radio.Create(g2, L"", tag, {s.radioLeft, s.top + 90, 15, 17}, kFont, tag == 1);
        s.radio.OnClick([this, &radio = s.radio] { RadioButton1Click(radio); });
        ++tag;
    }
}

}  // namespace app
