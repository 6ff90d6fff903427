#include "app/FormSpandle.h"

#include <windows.h>

#include <shellapi.h>

#include "app/AppInfo.h"
#include "app/MessageTexts.h"
#include "commands/ContextMenu.h"
#include "platform/Services.h"
#include "resources/resource.h"
#include "widgets/Accelerators.h"
#include "widgets/Dpi.h"
#include "widgets/Skins.h"

namespace app {
namespace {

constexpr wchar_t kFormClass[] = L"TFormSpandle";

void RegisterFormClass(HICON icon, WNDPROC windowProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(::GetModuleHandleW(nullptr), kFormClass, &wc)) return;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = icon;
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);
}

std::wstring ErrorText(const std::exception& error) {
    if (auto* app = dynamic_cast<const AppError*>(&error)) return app->Message();
    const char* what = error.what();
    std::wstring text;
    for (const char* p = what; *p; ++p) text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return text;
}

}  // namespace

void ReportException(HWND owner, const std::exception& error) {
    platform::Current().MessageBox(owner, ErrorText(error), kApplicationTitle, MB_OK | MB_ICONERROR);
}

TFormSpandle::TFormSpandle(FormOptions options) : options_(std::move(options)) {
    icon_ = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_SPANDLE));
    widgets::SetCurrentLook(widgets::SkinLook(1));  // the look the window is designed in
    CreateWindowFrame();
    widgets::SetErrorReporter([this](const std::exception& e) { ReportException(hwnd_, e); });
    CreateControls();
    PmTree = commands::CreatePmTree();
    FormCreate();
}

TFormSpandle::~TFormSpandle() {
    if (hwnd_) {
        HWND window = hwnd_;
        ::DestroyWindow(window);
    }
    widgets::SetErrorReporter(nullptr);
    ::DestroyMenu(PmTree);
}

void TFormSpandle::CreateWindowFrame() {
    RegisterFormClass(icon_, &TFormSpandle::WindowProc);
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT frame{0, 0, widgets::Scale(848), widgets::Scale(605)};
    ::AdjustWindowRectEx(&frame, style, FALSE, WS_EX_CONTROLPARENT);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int left = work.left + ((work.right - work.left) - width) / 2;
    const int top = work.top + ((work.bottom - work.top) - height) / 2;
    hwnd_ = ::CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, kFormClass, kFormCaption,
                              style, left < 0 ? 0 : left, top < 0 ? 0 : top, width, height,
                              nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
}

void TFormSpandle::Show(int showCommand) {
    ::ShowWindow(hwnd_, showCommand);
    ::UpdateWindow(hwnd_);
}

void TFormSpandle::AssignMessageTexts() {
    FMsgTitle = texts::kTitle;
    FMsgBusy = texts::kBusy;
    FMsgConfirmExit = texts::kConfirmExit;
    FMsgSmallSlices = texts::kSmallSlices;
    FMsgRows = texts::kRows;
    FMsgCount = texts::kCount;
    FMsgChooseFolder = texts::kChooseFolder;
    FMsgDone = texts::kDone;
    FMsgScanning = texts::kScanning;
    FMsgCancelled = texts::kCancelled;
    FMsgOpenError = texts::kOpenError;
    FMsgScanError = texts::kScanError;
    FMsgMinutes = texts::kMinutes;
    FMsgSeconds = texts::kSeconds;
}

void TFormSpandle::FormCreate() {
    try {
        RunCreateSteps();
    } catch (const std::exception& error) {
        // The remaining steps are skipped; the window still opens.
        ReportException(hwnd_, error);
    }
}

void TFormSpandle::RunCreateSteps() {
    int step = 0;
    auto next = [&] {
        if (options_.onCreateStep) options_.onCreateStep(++step);
    };
    next();
    ::DragAcceptFiles(hwnd_, TRUE);
    next();
    FPath.clear();
    FPendingPath.clear();
    next();
    FHomeUrl = kHomeUrl;
    FUpdateUrl = kUpdateUrl;
    next();
    AssignMessageTexts();
    next();
    LoadSettings();
    next();
    RzURLLabel4.SetHint(FHomeUrl);
    RzURLLabel4.SetText(FHomeUrl);
    RzURLLabel4.SetAddress(FHomeUrl);
    next();
    ReadCommandLine();
}

bool TFormSpandle::ScanRunning() const { return !BTNRun.Enabled() && BTNCancel.Visible(); }

int TFormSpandle::MessageBox(const std::wstring& text, const std::wstring& caption, UINT type) const {
    return platform::Current().MessageBox(hwnd_, text, caption, type);
}

bool TFormSpandle::FormCloseQuery() {
    if (ScanRunning()) {
        MessageBox(FMsgBusy, FMsgTitle, MB_OK | MB_ICONERROR);
        return false;
    }
    return MessageBox(FMsgConfirmExit, kApplicationTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void TFormSpandle::FormClose() {
    // The main form is freed on close, which ends the program.
    ::DestroyWindow(hwnd_);
}

void TFormSpandle::FormDestroy() { ::DragAcceptFiles(hwnd_, FALSE); }

void TFormSpandle::TBAnalysisClick() { RzPageControlMain.SetActivePage(TabReport); }
void TFormSpandle::TBOptionsClick() { RzPageControlMain.SetActivePage(TabOptions); }
void TFormSpandle::TBAboutClick() { RzPageControlMain.SetActivePage(TabAbout); }

void TFormSpandle::TBExitClick() { ::SendMessageW(hwnd_, WM_CLOSE, 0, 0); }

std::wstring TFormSpandle::HelpFilePath() const {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\') + 1) + kHelpFileName;
}

void TFormSpandle::BTNHelpClick() {
    platform::Current().ShellExecute(hwnd_, L"open", HelpFilePath(), SW_SHOWNORMAL);
}

void TFormSpandle::BTNUpdateClick() {
    platform::Current().ShellExecute(nullptr, L"", FUpdateUrl, SW_SHOWNORMAL);
}

void TFormSpandle::BTNHomePageClick() {
    platform::Current().ShellExecute(nullptr, L"", FHomeUrl, SW_SHOWNORMAL);
}

bool TFormSpandle::HandleAccelerator(wchar_t letter) {
    // The first button in toolbar order wins where two captions share a letter.
    for (widgets::ToolButton* button : RzToolbar1.Buttons()) {
        if (widgets::AcceleratorOf(button->Text()) != letter || !button->Enabled()) continue;
        button->PerformClick();
        return true;
    }
    return false;
}

LRESULT TFormSpandle::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (RzToolbar1.Handle()) LayoutControls();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) FormActivate();
            break;
        case WM_DROPFILES:
            WMDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == 1) Timer1Timer();
            return 0;
        case WM_CLOSE:
            if (FormCloseQuery()) FormClose();
            return 0;
        case WM_QUERYENDSESSION:
            return FormCloseQuery() ? TRUE : FALSE;
        case WM_DESTROY:
            FormDestroy();
            return 0;
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            if (options_.quitOnClose) ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TFormSpandle::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<TFormSpandle*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<TFormSpandle*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportException(hwnd, error);
        return 0;
    }
}

}  // namespace app
