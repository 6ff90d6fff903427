// The main window. Its handlers keep the names the rest of the program knows them by; each
// stays thin and leaves the work to its subsystem's files.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "commands/CommandPaths.h"
#include "commands/Export.h"
#include "scan/AnsiCodePage.h"
#include "scan/DirectoryReader.h"
#include "scan/NodeRecord.h"
#include "scan/Scanner.h"
#include "scan/TreeModel.h"
#include "scan/Win32DirectoryReader.h"
#include "views/FolderPiePage.h"
#include "views/VolumeSummaryPage.h"
#include "views/GridOwner.h"
#include "views/ImageListEx.h"
#include "views/ModelRows.h"
#include "widgets/BitButton.h"
#include "widgets/CheckBox.h"
#include "widgets/GroupBox.h"
#include "widgets/SkinPreview.h"
#include "widgets/IconPicture.h"
#include "widgets/Label.h"
#include "widgets/PageControl.h"
#include "widgets/Panel.h"
#include "widgets/Radar.h"
#include "widgets/StatusBar.h"
#include "widgets/ToolBar.h"
#include "widgets/TreeGrid.h"
#include "widgets/UrlLabel.h"

namespace app {

// Seams for tests: how start-up runs, without a real command line.
struct FormOptions {
    std::wstring commandLine;                    // the arguments, without the program name
    std::function<void(int step)> onCreateStep;  // called before each step of FormCreate
    bool quitOnClose = true;                     // closing the window ends the message loop
    const spandle::DirectoryReader* reader = nullptr;  // none: the file system's
    unsigned scanWorkers = 0;                          // 0: one per core, 2 to 8
    std::wstring settingsPath;                         // none: "Spandle.ini" beside the program
    std::function<void(const wchar_t* key)> onSettingWritten;  // after each key written
};

// The application's default error report: the error's text in a box captioned with the title.
void ReportException(HWND owner, const std::exception& error);

class TFormSpandle {
public:
    explicit TFormSpandle(FormOptions options = {});
    ~TFormSpandle();
    TFormSpandle(const TFormSpandle&) = delete;
    TFormSpandle& operator=(const TFormSpandle&) = delete;

    HWND Handle() const { return hwnd_; }
    void Show(int showCommand);
    bool Closed() const { return hwnd_ == nullptr; }
    // Alt + letter on any control of the window; true when a control took it.
    bool HandleAccelerator(wchar_t letter);

    // Form life.
    void FormCreate();
    void FormActivate();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();

    // Toolbar.
    void TBAnalysisClick();
    void TBOptionsClick();
    void TBAboutClick();
    void TBExitClick();
    void BTNHelpClick();
    void BTNUpdateClick();
    void BTNHomePageClick();

    // Analysis run.
    void BTNRunClick();
    void AnalyzeFolder(const std::wstring& path);
    void BTNCancelClick();
    void Timer1Timer();
    void RzBtnDirectoryClick();
    // Filled by the pie and summary pages. An empty path clears the summary; any other
    // describes the volume that holds it.
    void ShowVolumeSummary(const std::wstring& path);
    void FillFolderPie(spandle::NodeIndex node);

    // Settings and the Options page.
    void LoadSettings();
    void SaveSetting(int32_t code);
    void CBAutoClick();
    void CB1Click(widgets::CheckBox& sender);
    void RadioButton1Click(widgets::RadioButton& sender);
    std::wstring SettingsPath() const;
    uint32_t ColumnOptions(int column) const { return vts.ColumnOptions(column); }
    // Explorer integration.
    void BTNAddRegClick();
    void BTNDelRegClick();
    void WMDropFiles(HDROP drop);
    // Result grid (views/GridHandlers.cpp).
    std::wstring vtsGetText(spandle::NodeIndex node, int column) const;
    int vtsCompareNodes(spandle::NodeIndex a, spandle::NodeIndex b, int column) const;
    void vtsHeaderClick(int column);
    void vtsAfterCellPaint(HDC dc, spandle::NodeIndex node, int column, const RECT& cell) const;
    void vtsFocusChanged(spandle::NodeIndex node, int column);
    void vtsCollapsed(spandle::NodeIndex node);
    int vtsGetImageIndex(spandle::NodeIndex node, int column);
    HMENU vtsGetPopupMenu(spandle::NodeIndex node, int column, POINT screen);
    void vtsSaveNode(spandle::NodeIndex node, std::ostream& stream) const;
    spandle::RecordNode vtsLoadNode(std::istream& stream) const;
    // The row's full path: its name and its ancestors', each followed by "\".
    std::wstring NodePath(spandle::NodeIndex node) const;
    // Orders siblings by column 0 (name) or 1 (size); other columns keep the order.
    void SortTree(int column, bool ascending);
    // Context menu of the grid (commands/CommandHandlers.cpp, commands/ExportHandlers.cpp).
    void PmTreeCommand(UINT command);
    void NRMClick();
    void NOpenClick();
    void NSerchClick();
    void NPropertyClick();
    void NFindMaxClick();
    void NExpClick();
    void NCollapseClick();
    void NCountClick();
    void Html1Click();
    void Rtf1Click();
    void Text1Click();

    std::wstring HelpFilePath() const;
    // The busy state of the report page: Run disabled and Cancel shown.
    bool ScanRunning() const;
    // Whether a scan is under way (also while it unwinds after a cancel).
    bool ScanActive() const { return scanActive_; }
    const spandle::TreeModel& Model() const { return model_; }

    // Controls, public so tests and automation read what the user sees.
    widgets::ToolBar RzToolbar1;
    widgets::ToolButton TBAnalysis, TBOptions, TBAbout, BTNHelp, BTNUpdate, BTNHomePage, TBExit;
    widgets::Label LabVer;
    widgets::PageControl RzPageControlMain;
    widgets::Panel Panel1;
    widgets::RadarPicture ImageScan, cxImgScan;
    widgets::Label Label3, LabCur, Label7, Label9, Label8, Label10, Label14, Label13, Label15;
    widgets::BitButton RzBtnDirectory, BTNRun, BTNCancel;
    widgets::PageControl RzPageControl1;
    views::FolderPiePage PiePage;
    views::VolumeSummaryPage SummaryPage;
    widgets::Panel Panel3, Panel2;
    widgets::GlyphPicture Image5, Image4;
    widgets::Label Label4, Label12;
    widgets::GroupBox GroupBox3, GroupBox4, GroupBox2;
    widgets::CheckBox CBAuto, CB1, CB2, CB3, CB4, CB5, CB6;
    widgets::BitButton BTNAddReg, BTNDelReg;
    widgets::SkinPreview Image6, Image7, Image8, Image12, Image13, Image14;
    widgets::RadioButton RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5,
        RadioButton6;
    widgets::IconPicture Image2;
    widgets::Label Label1, Label2, Label5, Label6;
    widgets::UrlLabel RzURLLabel4, RzURLLabel1;
    widgets::StatusBar AppStatusBar;
    widgets::TreeGrid vts;

    static constexpr int TabReport = 0, TabOptions = 1, TabAbout = 2;
    static constexpr int TabGrid = 0, TabPie = 1, TabSummary = 2;

    // Fields, in the order the rest of the program expects them.
    int32_t FCancelled = 0;
    std::wstring FMsgTitle, FMsgBusy, FMsgConfirmExit, FMsgSmallSlices, FMsgRows, FMsgCount,
        FMsgChooseFolder, FMsgDone, FMsgScanning, FMsgCancelled, FMsgOpenError, FMsgScanError;
    std::wstring FPath;
    std::wstring FPendingPath;
    int32_t FFileCount = 0;
    int32_t FElapsedSeconds = 0;
    std::wstring FMsgMinutes, FMsgSeconds;
    std::wstring FHomeUrl;
    std::wstring FUpdateUrl;
    bool FAutoAnalyze = true;
    std::array<bool, 6> FShowColumn{true, true, true, true, true, true};
    int32_t FSkinIndex = 1;
    views::TImageListEx FIconList;
    HMENU PmTree = nullptr;  // the grid's context menu, made with the commands
    spandle::NumberSeparators FSeparators;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateWindowFrame();
    void CreateControls();
    void CreateToolbar();
    void CreateReportPage(HWND page);
    void CreateAboutPage(HWND page);
    void CreateOptionsPage(HWND page);
    void CreateSkinGroup(HWND page);
    void ReadCommandLine();
    void ApplySkin(int32_t number);
    void ShowColumn(int column, bool shown);
    // Runs a handler the way the message loop would: an error is reported, then start-up goes on.
    template <typename F>
    void Guarded(F&& handler) {
        try {
            handler();
        } catch (const std::exception& error) {
            ReportException(hwnd_, error);
        }
    }
    void CreateGrid(HWND page);
    void LayoutControls();
    void AssignMessageTexts();
    void RunCreateSteps();
    int MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) const;

    bool RefuseWhileScanning();
    void SetBusyState();
    bool ScanTree(const std::wstring& path);
    void WaitForScan();
    void ShowScanProgress();
    void FocusLargestFile(spandle::NodeIndex node);
    void RunOnFocusedRow(commands::ShellRequest (*request)(std::wstring_view, bool));
    void SaveExport(commands::ExportKind kind);

    FormOptions options_;
    HWND hwnd_ = nullptr;
    spandle::AnsiCodePage codePage_;
    spandle::TreeModel model_{codePage_};
    views::ModelRows gridRows_{model_};
    views::FormGridOwner gridOwner_{*this};
    spandle::Win32DirectoryReader fileSystem_;
    spandle::Scanner scanner_;
    bool scanActive_ = false;
    bool lastRunFailed_ = false;
    HICON icon_ = nullptr;
};

// An error whose text is shown as it stands.
class AppError : public std::exception {
public:
    explicit AppError(std::wstring message) : message_(std::move(message)) {}
    const std::wstring& Message() const { return message_; }
    const char* what() const noexcept override { return "application error"; }

private:
    std::wstring message_;
};

}  // namespace app
