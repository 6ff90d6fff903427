// One analysis from the Run button to the idle window again. The scan runs on worker threads;
// this thread keeps dispatching messages while it waits, so the window never freezes.
#include <stdexcept>

#include "app/ElapsedText.h"
#include "app/FolderCheck.h"
#include "app/FormSpandle.h"
#include "app/MessageLoop.h"
#include "platform/Services.h"
#include "scan/Utf16.h"
#include "scan/Wow64Redirection.h"

namespace app {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr DWORD kProgressIntervalMs = 100;

}  // namespace

bool TFormSpandle::RefuseWhileScanning() {
    // The running scan owns the tree: a second analysis must neither start nor clear it.
    if (!scanActive_) return false;
    MessageBox(FMsgBusy, FMsgTitle, MB_OK | MB_ICONERROR);
    return true;
}

void TFormSpandle::BTNRunClick() {
    if (RefuseWhileScanning()) return;
    if (FPath.empty()) {
        MessageBox(FMsgChooseFolder, FMsgTitle, MB_OK | MB_ICONWARNING);
        Label13.SetText(L"");
        return;
    }
    lastRunFailed_ = false;
    struct ClosingPart {
        TFormSpandle& form;
        ~ClosingPart() {
            form.BTNCancelClick();
            form.RzPageControlMain.SetActivePage(TabReport);
        }
    } closing{*this};
    Label13.SetText(FMsgScanning);
    ShowVolumeSummary(L"");
    SetBusyState();
    ProcessPendingMessages(*this);
    FCancelled = 0;
    FFileCount = 0;
    FElapsedSeconds = 0;
    Label9.SetText(L"0");
    Label10.SetText(L"0");
    ::SetTimer(hwnd_, kTimer1, 1000, nullptr);
    ShowVolumeSummary(FPath);
    AnalyzeFolder(FPath);
    if (lastRunFailed_)
        Label13.SetText(L"");
    else
        Label13.SetText(FCancelled == 0 ? FMsgDone : FMsgCancelled);
}

void TFormSpandle::SetBusyState() {
    ImageScan.SetVisible(false);
    cxImgScan.SetVisible(true);
    BTNCancel.SetVisible(true);
    BTNRun.SetEnabled(false);
}

void TFormSpandle::AnalyzeFolder(const std::wstring& path) {
    if (!FolderExists(path)) {
        MessageBox(FMsgOpenError + path, FMsgTitle, MB_OK | MB_ICONWARNING);
        lastRunFailed_ = true;
        return;
    }
    std::wstring folder = path;
    if (folder.back() != L'\\') folder += L'\\';
    // The grid shows nothing while the scanner owns the tree; its end sorts the new tree.
    struct Batch {
        widgets::TreeGrid& grid;
        ~Batch() { grid.EndUpdate(); }
    } batch{vts};
    vts.BeginUpdate();
    vts.Clear();
    if (!ScanTree(folder)) {
        model_.Clear();
        MessageBox(FMsgScanError + folder, FMsgTitle, MB_OK | MB_ICONERROR);
        lastRunFailed_ = true;
    }
    const spandle::NodeIndex root = model_.Root();
    if (root == spandle::kNoNode) return;
    FillFolderPie(root);
    vts.Select(root);
    vts.SetExpanded(root, true);
    vts.SetFocusedNode(root);
}

bool TFormSpandle::ScanTree(const std::wstring& folder) {
    spandle::ScanOptions options;
    options.workers = options_.scanWorkers;
    options.threadInit = &spandle::DisableWow64RedirectionOnThisThread;
    HWND window = hwnd_;
    options.onDone = [window] { ::PostMessageW(window, WM_NULL, 0, 0); };  // wakes the wait
    const spandle::DirectoryReader& reader = options_.reader ? *options_.reader : fileSystem_;
    try {
        scanActive_ = true;
        if (!scanner_.Start(std::u16string(folder.begin(), folder.end()), model_, reader, options))
            throw std::runtime_error("scan already running");
        WaitForScan();
    } catch (const std::exception&) {
        scanner_.Cancel();
        scanner_.Wait(std::chrono::milliseconds(60000));
        scanActive_ = false;
        return false;
    }
    scanActive_ = false;
    return !scanner_.Failed();
}

void TFormSpandle::WaitForScan() {
    DWORD lastProgress = ::GetTickCount();
    while (!scanner_.Done()) {
        ::MsgWaitForMultipleObjectsEx(0, nullptr, kProgressIntervalMs, QS_ALLINPUT,
                                      MWMO_INPUTAVAILABLE);
        if (!ProcessPendingMessages(*this) || !hwnd_) scanner_.Cancel();
        if (FCancelled == 1) scanner_.Cancel();
        if (::GetTickCount() - lastProgress >= kProgressIntervalMs) {
            ShowScanProgress();
            lastProgress = ::GetTickCount();
        }
    }
    ShowScanProgress();
}

void TFormSpandle::ShowScanProgress() {
    const spandle::ScanProgress progress = scanner_.Progress();
    FFileCount = static_cast<int32_t>(progress.entriesAdded);
    if (FFileCount > 0) Label9.SetText(std::to_wstring(FFileCount));
    if (!progress.currentFolder.empty()) AppStatusBar.Panel().SetText(spandle::ToWide(progress.currentFolder));
}

void TFormSpandle::BTNCancelClick() {
    ::KillTimer(hwnd_, kTimer1);
    FCancelled = 1;
    if (scanActive_) scanner_.Cancel();
    cxImgScan.SetVisible(false);
    ImageScan.SetVisible(true);
    BTNCancel.SetVisible(false);
    BTNRun.SetEnabled(true);
}

void TFormSpandle::Timer1Timer() {
    ++FElapsedSeconds;
    Label10.SetText(FormatElapsed(FElapsedSeconds, FMsgMinutes, FMsgSeconds));
}

void TFormSpandle::RzBtnDirectoryClick() {
    const auto chosen =
        platform::Current().ChooseFolder(hwnd_, L"选择文件夹或盘符", LabCur.Text());
    if (!chosen) return;
    ProcessPendingMessages(*this);
    if (!FolderExists(*chosen)) {
        MessageBox(FMsgChooseFolder, FMsgTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    if (FAutoAnalyze && RefuseWhileScanning()) return;
    FPath = *chosen;
    LabCur.SetText(FPath);
    Label1.SetText(L"");
    if (FAutoAnalyze) BTNRunClick();
}

}  // namespace app
