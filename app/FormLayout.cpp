// Where every control of the main window sits, at 96 DPI, and how they fill the window.
#include "app/AppInfo.h"
#include "app/FormSpandle.h"
#include "widgets/Dpi.h"

namespace app {
namespace {

using widgets::Bounds;
using widgets::FontSpec;

const FontSpec kFormFont{L"Arial", -11};
constexpr int kToolbarHeight = 68, kStatusHeight = 21, kPanel1Height = 104;

widgets::Label::Style Plain() {
    return {kFormFont, std::nullopt, false};
}

}  // namespace

void TFormSpandle::CreateControls() {
    CreateToolbar();
    RzPageControlMain.Create(hwnd_, {0, kToolbarHeight, 848, 516}, false);
    RzPageControlMain.AddPage(L"分析结果");
    RzPageControlMain.AddPage(L"选项");
    RzPageControlMain.AddPage(L"关于");
    CreateReportPage(RzPageControlMain.Page(TabReport).Handle());
    CreateOptionsPage(RzPageControlMain.Page(TabOptions).Handle());
    CreateAboutPage(RzPageControlMain.Page(TabAbout).Handle());
    AppStatusBar.Create(hwnd_, {0, kToolbarHeight + 516, 848, kStatusHeight});
    LayoutControls();
}

void TFormSpandle::CreateToolbar() {
    RzToolbar1.Create(hwnd_, {0, 0, 848, kToolbarHeight}, 4);
    auto add = [&](widgets::ToolButton& button, const wchar_t* caption, int glyph, int group) {
        RzToolbar1.AddButton(button, caption, glyph, group, kFormFont);
    };
    add(TBAnalysis, L"分析(&R)", 0, 1);
    add(TBOptions, L"选项(&A)", 5, 1);
    add(TBAbout, L"关于(&A)", 8, 1);
    RzToolbar1.AddSpacer(widgets::ToolBar::Spacer::Grooved, 8);
    add(BTNHelp, L"帮助(&H)", 3, 0);
    add(BTNUpdate, L"升级(&U)", 4, 0);
    add(BTNHomePage, L"主页(&H)", 2, 0);
    RzToolbar1.AddSpacer(widgets::ToolBar::Spacer::Grooved, 25);
    add(TBExit, L"退出(&E)", 7, 0);
    RzToolbar1.AddSpacer(widgets::ToolBar::Spacer::Plain, 67);
    const int labelRight = RzToolbar1.NextLeft(82) + 82;
    LabVer.Create(RzToolbar1.Handle(), kVersionText, labelRight, RzToolbar1.Top() + 22,
                  {kFormFont, std::nullopt, true, true});
    TBAnalysis.SetDown(true);

    TBAnalysis.OnClick([this] { TBAnalysisClick(); });
    TBOptions.OnClick([this] { TBOptionsClick(); });
    TBAbout.OnClick([this] { TBAboutClick(); });
    BTNHelp.OnClick([this] { BTNHelpClick(); });
    BTNUpdate.OnClick([this] { BTNUpdateClick(); });
    BTNHomePage.OnClick([this] { BTNHomePageClick(); });
    TBExit.OnClick([this] { TBExitClick(); });
}

void TFormSpandle::CreateReportPage(HWND page) {
    Panel1.Create(page, L"", {0, 0, 848, kPanel1Height}, &widgets::PanelColour);
    HWND p = Panel1.Handle();
    ImageScan.Create(p, {2, 2, 100, 100}, false, true);
    cxImgScan.Create(p, {0, 0, 104, 104}, true, false);
    Label3.Create(p, L"路径：", 120, 11, Plain());
    LabCur.Create(p, L"", 165, 10, Plain());
    Label7.Create(p, L"已扫描文件：", 120, 36, Plain());
    Label9.Create(p, L"0", 199, 36, Plain());
    Label8.Create(p, L"扫描时间：", 432, 36, Plain());
    Label10.Create(p, L"0", 497, 36, Plain());
    Label14.Create(p, L"扫描状态：", 632, 36, Plain());
    Label13.Create(p, L"", 697, 35, Plain());
    RzBtnDirectory.Create(p, L"选择目录", widgets::ButtonGlyph::OpenFolder, {118, 56, 145, 29},
                          kFormFont);
    RzBtnDirectory.SetHint(L"点击按钮，选择目录");
    BTNRun.Create(p, L"分析", widgets::ButtonGlyph::Magnifier, {431, 56, 80, 29}, kFormFont);
    BTNCancel.Create(p, L"取消", widgets::ButtonGlyph::Cross, {519, 56, 79, 29}, kFormFont, false);
    RzBtnDirectory.OnClick([this] { RzBtnDirectoryClick(); });
    BTNRun.OnClick([this] { BTNRunClick(); });
    BTNCancel.OnClick([this] { BTNCancelClick(); });
    Label15.Create(p, L"支持文件夹拖放，您可以把文件夹或磁盘拖入本程序进行分析！", 120, 88,
                   {kFormFont, RGB(0, 0, 128), false});

    RzPageControl1.Create(page, {0, kPanel1Height, 848, 516 - kPanel1Height}, true);
    RzPageControl1.AddPage(L"网格");
    RzPageControl1.AddPage(L"饼图");
    RzPageControl1.AddPage(L"摘要");
    CreateGrid(RzPageControl1.Page(TabGrid).Handle());
    PiePage.Create(RzPageControl1.Page(TabPie).Handle());
    SummaryPage.Create(RzPageControl1.Page(TabSummary).Handle());
}

void TFormSpandle::CreateAboutPage(HWND page) {
    Image2.Create(page, icon_, {9, 12, 32, 32});
    Label1.Create(page, kApplicationTitle, 60, 12,
                  {{L"Arial", -16, true}, RGB(15, 113, 32), false});
    Label2.Create(page, kAuthorName, 50, 38, {{L"Arial", -13, true}, RGB(0, 0, 0), false});
    Label5.Create(page, L"主页:", 65, 72, {kFormFont, std::nullopt, true});
    const FontSpec link{L"Verdana", -11, false, true};
    RzURLLabel4.Create(page, L"", 72, 71, {link, std::nullopt, false});
    Label6.Create(page, L"邮件:", 65, 93, {kFormFont, std::nullopt, true});
    RzURLLabel1.Create(page, kAuthorEmail, 72, 92, {link, std::nullopt, false});
    RzURLLabel1.SetAddress(std::wstring(L"mailto:") + kAuthorEmail);
}

void TFormSpandle::LayoutControls() {
    using widgets::Scale;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const int toolbar = Scale(kToolbarHeight), status = Scale(kStatusHeight);
    RzToolbar1.SetPixelBounds({0, 0, client.right, toolbar});
    AppStatusBar.SetPixelBounds({0, client.bottom - status, client.right, client.bottom});
    RzPageControlMain.SetPixelBounds({0, toolbar, client.right, client.bottom - status});
    RECT page = RzPageControlMain.Page(TabReport).ClientRect();
    Panel1.SetPixelBounds({0, 0, page.right, Scale(kPanel1Height)});
    RzPageControl1.SetPixelBounds({0, Scale(kPanel1Height), page.right, page.bottom});
    vts.SetPixelBounds(RzPageControl1.Page(TabGrid).ClientRect());
    PiePage.Layout();
    SummaryPage.Layout();
    // The Options page's bands are aligned to the top and as wide as the page.
    const int y1 = Scale(41), y2 = y1 + Scale(160), y3 = y2 + Scale(41);
    Panel3.SetPixelBounds({0, 0, page.right, y1});
    GroupBox3.SetPixelBounds({0, y1, page.right, y2});
    Panel2.SetPixelBounds({0, y2, page.right, y3});
    GroupBox2.SetPixelBounds({0, y3, page.right, page.bottom});
}

}  // namespace app
