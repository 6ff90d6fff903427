// The main window as the user first meets it: layout, start state, pages, help, closing.
#include <stdexcept>

#include "app/AppInfo.h"
#include "support/FormFixture.h"
#include "widgets/Dpi.h"

namespace {

using testing_support::FormFixture;

class MainWindow : public FormFixture {};

TEST_F(MainWindow, OpensWithTheStartStateOfTheReportPage) {
    EXPECT_EQ(TextOf(form->Handle()), L"KestrumSpandle [Velmora]");
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabReport);
    EXPECT_EQ(form->RzPageControl1.ActivePage(), app::TFormSpandle::TabGrid);
    EXPECT_TRUE(form->TBAnalysis.Down());
    EXPECT_FALSE(form->TBOptions.Down());
    EXPECT_TRUE(form->BTNRun.Enabled());
    EXPECT_FALSE(form->BTNCancel.Visible());
    EXPECT_TRUE(form->ImageScan.Visible());
    EXPECT_FALSE(form->cxImgScan.Visible());
    EXPECT_EQ(form->Label9.Text(), L"0");
    EXPECT_EQ(form->Label10.Text(), L"0");
    EXPECT_EQ(form->Label13.Text(), L"");
    EXPECT_EQ(form->LabCur.Text(), L"");
    EXPECT_EQ(form->AppStatusBar.Panel().Text(), L"");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainWindow, HasTheSizeAndPlacesOfItsLayout) {
    if (widgets::Dpi() != 96) GTEST_SKIP() << "positions are checked at 96 DPI";
    RECT client{};
    ::GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 848);
    EXPECT_EQ(client.bottom, 605);
    const struct {
        HWND window;
        RECT place;
    } expected[] = {
        {form->RzToolbar1.Handle(), {0, 0, 848, 68}},
        {form->RzPageControlMain.Handle(), {0, 68, 848, 584}},
        {form->AppStatusBar.Handle(), {0, 584, 848, 605}},
        {form->TBAnalysis.Handle(), {4, 4, 84, 64}},
        {form->BTNHelp.Handle(), {252, 4, 332, 64}},
        {form->TBExit.Handle(), {517, 4, 597, 64}},
        {form->Panel1.Handle(), {0, 0, 848, 104}},
        {form->ImageScan.Handle(), {2, 2, 102, 102}},
        {form->cxImgScan.Handle(), {0, 0, 104, 104}},
        {form->RzBtnDirectory.Handle(), {118, 56, 263, 85}},
        {form->BTNRun.Handle(), {431, 56, 511, 85}},
        {form->BTNCancel.Handle(), {519, 56, 598, 85}},
        {form->Image2.Handle(), {9, 12, 41, 44}},
    };
    for (const auto& e : expected) {
        const RECT r = PlaceOf(e.window);
        EXPECT_EQ(r.left, e.place.left) << TextOf(e.window);
        EXPECT_EQ(r.top, e.place.top) << TextOf(e.window);
        EXPECT_EQ(r.right, e.place.right) << TextOf(e.window);
        EXPECT_EQ(r.bottom, e.place.bottom) << TextOf(e.window);
    }
    const struct {
        HWND window;
        int left, top;
    } labels[] = {{form->Label3.Handle(), 120, 11}, {form->LabCur.Handle(), 165, 10},
                  {form->Label9.Handle(), 199, 36}, {form->Label10.Handle(), 497, 36},
                  {form->Label13.Handle(), 697, 35}, {form->Label15.Handle(), 120, 88},
                  {form->Label1.Handle(), 60, 12},   {form->RzURLLabel4.Handle(), 72, 71}};
    for (const auto& l : labels) {
        EXPECT_EQ(PlaceOf(l.window).left, l.left) << TextOf(l.window);
        EXPECT_EQ(PlaceOf(l.window).top, l.top) << TextOf(l.window);
    }
    EXPECT_EQ(PlaceOf(form->Label5.Handle()).right, 65);  // right-aligned at 65
    EXPECT_EQ(PlaceOf(form->LabVer.Handle()).right, 746);
}

TEST_F(MainWindow, EveryCaptionIsTheWindowTextOfARealControl) {
    const struct {
        HWND window;
        const wchar_t* text;
    } captions[] = {
        {form->TBAnalysis.Handle(), L"分析(&R)"},  {form->TBOptions.Handle(), L"选项(&A)"},
        {form->TBAbout.Handle(), L"关于(&A)"},     {form->BTNHelp.Handle(), L"帮助(&H)"},
        {form->BTNUpdate.Handle(), L"升级(&U)"},   {form->BTNHomePage.Handle(), L"主页(&H)"},
        {form->TBExit.Handle(), L"退出(&E)"},      {form->LabVer.Handle(), L"版本 3.0.1"},
        {form->Label3.Handle(), L"路径："},        {form->Label7.Handle(), L"已扫描文件："},
        {form->Label8.Handle(), L"扫描时间："},    {form->Label14.Handle(), L"扫描状态："},
        {form->RzBtnDirectory.Handle(), L"选择目录"}, {form->BTNRun.Handle(), L"分析"},
        {form->BTNCancel.Handle(), L"取消"},
        {form->Label15.Handle(), L"支持文件夹拖放，您可以把文件夹或磁盘拖入本程序进行分析！"},
        {form->Label1.Handle(), L"KestrumSpandle"}, {form->Label2.Handle(), L"Velmora"},
        {form->Label5.Handle(), L"主页:"},          {form->Label6.Handle(), L"邮件:"},
        {form->RzURLLabel4.Handle(), app::kHomeUrl}, {form->RzURLLabel1.Handle(), app::kAuthorEmail},
        {form->RzPageControlMain.Page(0).Handle(), L"分析结果"},
        {form->RzPageControlMain.Page(1).Handle(), L"选项"},
        {form->RzPageControlMain.Page(2).Handle(), L"关于"},
        {form->RzPageControl1.Page(0).Handle(), L"网格"},
        {form->RzPageControl1.Page(1).Handle(), L"饼图"},
        {form->RzPageControl1.Page(2).Handle(), L"摘要"},
    };
    for (const auto& c : captions) EXPECT_EQ(TextOf(c.window), c.text);
}

TEST_F(MainWindow, AssignsTheFourteenMessageTexts) {
    const struct {
        const std::wstring& field;
        const wchar_t* text;
    } texts[] = {
        {form->FMsgTitle, L"提示信息"},
        {form->FMsgBusy, L"正在扫描，请先取消!"},
        {form->FMsgConfirmExit, L"您确认要退出磁盘空间分析软件?"},
        {form->FMsgSmallSlices, L"所有<5%合集"},
        {form->FMsgRows, L"行"},
        {form->FMsgCount, L"统计"},
        {form->FMsgChooseFolder, L"请选择文件夹!"},
        {form->FMsgDone, L"完成"},
        {form->FMsgScanning, L"正在扫描"},
        {form->FMsgCancelled, L"取消"},
        {form->FMsgOpenError, L"打开错误！\r磁盘或文件夹："},
        {form->FMsgScanError, L"扫描文件夹错误!\r"},
        {form->FMsgMinutes, L"分钟"},
        {form->FMsgSeconds, L"秒"},
    };
    for (const auto& t : texts) EXPECT_EQ(t.field, t.text);
}

TEST_F(MainWindow, ToolbarSwitchesPagesWithAnExclusiveGroup) {
    form->TBOptions.PerformClick();
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabOptions);
    EXPECT_TRUE(form->TBOptions.Down());
    EXPECT_FALSE(form->TBAnalysis.Down());
    EXPECT_TRUE(form->RzPageControlMain.Page(1).Visible());
    EXPECT_FALSE(form->RzPageControlMain.Page(0).Visible());

    ::SendMessageW(form->TBAbout.Handle(), BM_CLICK, 0, 0);  // as automation presses it
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabAbout);
    EXPECT_TRUE(form->TBAbout.Down());
    EXPECT_FALSE(form->TBOptions.Down());

    form->TBAnalysis.PerformClick();
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabReport);
    EXPECT_TRUE(form->TBAnalysis.Down());
    EXPECT_FALSE(form->TBAbout.Down());
}

TEST_F(MainWindow, InnerTabsSwitchPagesWhenClicked) {
    HWND tabs = form->RzPageControl1.Handle();
    HWND pieTab = ::FindWindowExW(tabs, nullptr, L"KsTabButton", L"饼图");
    ASSERT_NE(pieTab, nullptr);
    ::SendMessageW(pieTab, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(pieTab, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(form->RzPageControl1.ActivePage(), app::TFormSpandle::TabPie);
}

TEST_F(MainWindow, AltLettersPressTheFirstButtonWithThatAccelerator) {
    EXPECT_TRUE(form->HandleAccelerator(L'A'));  // 选项(&A) comes before 关于(&A)
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabOptions);
    EXPECT_TRUE(form->HandleAccelerator(L'R'));
    EXPECT_EQ(form->RzPageControlMain.ActivePage(), app::TFormSpandle::TabReport);
    EXPECT_TRUE(form->HandleAccelerator(L'H'));  // 帮助(&H) comes before 主页(&H)
    ASSERT_EQ(services.shellCalls.size(), 1u);
    EXPECT_EQ(services.shellCalls[0].verb, L"open");
    EXPECT_FALSE(form->HandleAccelerator(L'Q'));
}

TEST_F(MainWindow, HelpOpensTheHelpFileBesideTheExecutableWithoutAMessage) {
    wchar_t exe[MAX_PATH];
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring expected(exe);
    expected = expected.substr(0, expected.find_last_of(L'\\') + 1) + L"SpandleHelp.chm";
    form->BTNHelp.PerformClick();
    ASSERT_EQ(services.shellCalls.size(), 1u);
    const auto& call = services.shellCalls[0];
    EXPECT_EQ(call.owner, form->Handle());
    EXPECT_EQ(call.verb, L"open");
    EXPECT_EQ(call.file, expected);
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(MainWindow, WebButtonsAndLinksUseTheShellsDefaultAction) {
    form->BTNUpdate.PerformClick();
    form->BTNHomePage.PerformClick();
    ::SendMessageW(form->RzURLLabel4.Handle(), BM_CLICK, 0, 0);
    ::SendMessageW(form->RzURLLabel1.Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(services.shellCalls.size(), 4u);
    const std::wstring files[] = {app::kUpdateUrl, app::kHomeUrl, app::kHomeUrl,
                                  std::wstring(L"mailto:") + app::kAuthorEmail};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(services.shellCalls[i].owner, nullptr);
        EXPECT_EQ(services.shellCalls[i].verb, L"");
        EXPECT_EQ(services.shellCalls[i].file, files[i]);
        EXPECT_EQ(services.shellCalls[i].show, SW_SHOWNORMAL);
    }
    EXPECT_EQ(form->RzURLLabel4.Address(), form->FHomeUrl);
}

class CloseQuery : public FormFixture {};

TEST_F(CloseQuery, AsksWithTheApplicationTitleAndStaysOnNo) {
    services.messageAnswers = {IDNO};
    ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);  // the caption's close button, Alt+F4
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"您确认要退出磁盘空间分析软件?");
    EXPECT_EQ(services.messages[0].caption, L"KestrumSpandle");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(services.messages[0].owner, form->Handle());
    EXPECT_FALSE(form->Closed());
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));
}

TEST_F(CloseQuery, EveryWayOfClosingClosesOnYes) {
    for (int way = 0; way < 3; ++way) {
        if (way > 0) CreateForm({});
        services.messages.clear();
        services.messageAnswers = {IDYES};
        if (way == 0) form->TBExit.PerformClick();
        if (way == 1) ::SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        if (way == 2) ::SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
        EXPECT_EQ(services.messages.size(), 1u) << way;
        EXPECT_TRUE(form->Closed()) << way;
    }
}

TEST_F(CloseQuery, LoggingOffAsksTheSameQuestion) {
    services.messageAnswers = {IDNO};
    EXPECT_EQ(::SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
    services.messageAnswers = {IDYES};
    EXPECT_EQ(::SendMessageW(form->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(services.messages.size(), 2u);
}

TEST_F(CloseQuery, IsRefusedWhileAScanRuns) {
    // The busy state as the run control sets it.
    form->BTNRun.SetEnabled(false);
    form->BTNCancel.SetVisible(true);
    services.messageAnswers = {IDYES};
    form->TBExit.PerformClick();
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"正在扫描，请先取消!");
    EXPECT_EQ(services.messages[0].caption, L"提示信息");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_FALSE(form->Closed());
    EXPECT_FALSE(form->BTNRun.Enabled());
    EXPECT_TRUE(form->BTNCancel.Visible());
}

TEST(FormCreate, AFailingStepIsReportedAndTheWindowStillOpens) {
    testing_support::FakeServices services;
    app::FormOptions options;
    options.quitOnClose = false;
    options.onCreateStep = [](int step) {
        if (step == 3) throw app::AppError(L"Unable to write to C:\\Spandle.ini");
    };
    app::TFormSpandle form(std::move(options));
    form.Show(SW_SHOWNORMAL);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, L"Unable to write to C:\\Spandle.ini");
    EXPECT_EQ(services.messages[0].caption, L"KestrumSpandle");
    EXPECT_EQ(services.messages[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_TRUE(::IsWindowVisible(form.Handle()));
    EXPECT_TRUE(form.FHomeUrl.empty());  // the steps after the failing one were skipped
    EXPECT_TRUE(form.FMsgTitle.empty());
}

}  // namespace
