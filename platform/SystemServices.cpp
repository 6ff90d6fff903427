#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/FolderDialog.h"
#include "platform/SaveDialog.h"
#include "platform/Services.h"

namespace platform {
namespace {

class SystemServices final : public Services {
public:
    int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                   UINT type) override {
        return ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
    }

    void ShellExecute(HWND owner, const std::wstring& verb, const std::wstring& file,
                      int show) override {
        ::ShellExecuteW(owner, verb.empty() ? nullptr : verb.c_str(), file.c_str(), nullptr,
                        nullptr, show);
    }

    void ShellExecuteInvokeIdList(const std::wstring& verb, const std::wstring& file) override {
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_INVOKEIDLIST;
        info.lpVerb = verb.c_str();
        info.lpFile = file.c_str();
        ::ShellExecuteExW(&info);
    }

    void RunCommandLine(const std::wstring& commandLine, int show) override {
        std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
        buffer.push_back(L'\0');
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(show);
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process)) {
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        }
    }

    std::optional<std::wstring> ChooseFolder(HWND owner, const std::wstring& title,
                                             const std::wstring& initialFolder) override {
        return ShowFolderDialog(owner, title, initialFolder);
    }

    std::optional<std::wstring> ChooseSaveFile(HWND owner,
                                               const SaveDialogRequest& request) override {
        return ShowSaveDialog(owner, request);
    }
};

SystemServices& System() {
    static SystemServices services;
    return services;
}

Services* replacement = nullptr;

}  // namespace

Services& Current() { return replacement ? *replacement : System(); }

void Replace(Services* services) { replacement = services; }

}  // namespace platform
