// Folders that reach the program from the shell: the Explorer verb, the command line and
// files dropped on the window.
#include <windows.h>

#include <shellapi.h>

#include "app/AppInfo.h"
#include "app/FolderCheck.h"
#include "app/FormSpandle.h"
#include "settings/CommandLine.h"
#include "settings/ExplorerVerb.h"

namespace app {
namespace {

std::wstring ExecutablePath() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

}  // namespace

void TFormSpandle::BTNAddRegClick() {
    try {
        settings::RegisterFolderVerb(kFormCaption, ExecutablePath());
        MessageBox(L"系统右键菜单已注册！", FMsgTitle, MB_OK | MB_ICONINFORMATION);
    } catch (const std::exception&) {
        MessageBox(L"系统右键菜单注册失败！", FMsgTitle, MB_OK | MB_ICONERROR);
    }
}

void TFormSpandle::BTNDelRegClick() {
    try {
        settings::RemoveFolderVerb();
        MessageBox(L"系统右键菜单已删除！", FMsgTitle, MB_OK | MB_ICONINFORMATION);
    } catch (const std::exception&) {
        MessageBox(L"系统右键菜单删除失败！", FMsgTitle, MB_OK | MB_ICONERROR);
    }
}

void TFormSpandle::ReadCommandLine() {
    const auto argument = settings::FirstArgument(options_.commandLine);
    if (!argument) return;
    if (!FolderExists(*argument)) {
        MessageBox(FMsgChooseFolder, FMsgTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    FPath = *argument;
    FPendingPath = *argument;
    LabCur.SetText(*argument);
    Label1.SetText(L"");
}

void TFormSpandle::FormActivate() {
    // Emptied first, so later activations (also those during the run) start nothing.
    if (FPendingPath.empty()) return;
    FPendingPath.clear();
    BTNRunClick();
}

void TFormSpandle::WMDropFiles(HDROP drop) {
    std::wstring name;
    if (::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        name.resize(::DragQueryFileW(drop, 0, nullptr, 0) + 1);
        name.resize(::DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size())));
    }
    ::DragFinish(drop);
    if (name.empty() || !FolderExists(name)) return;
    if (RefuseWhileScanning()) return;
    FPath = name;
    LabCur.SetText(name);
    BTNRunClick();
}

}  // namespace app
