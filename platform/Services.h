// Everything the program shows or starts outside its own window goes through here, so tests
// can record it and answer dialogs: message boxes, the folder and save dialogs, shell calls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace platform {

struct SaveDialogRequest {
    std::wstring filter;        // pairs separated by '|', as "*.html|*.html"
    std::wstring defaultExtension;
    int filterIndex = 0;
};

class Services {
public:
    virtual ~Services() = default;
    virtual int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                           UINT type) = 0;
    // ShellExecute; an empty verb is the shell's default action. The result is not reported.
    virtual void ShellExecute(HWND owner, const std::wstring& verb, const std::wstring& file,
                              int show) = 0;
    // ShellExecuteEx with SEE_MASK_INVOKEIDLIST, as the property sheet needs.
    virtual void ShellExecuteInvokeIdList(const std::wstring& verb, const std::wstring& file) = 0;
    // Starts a command line, as WinExec does, but with the whole Unicode text.
    virtual void RunCommandLine(const std::wstring& commandLine, int show) = 0;
    virtual std::optional<std::wstring> ChooseFolder(HWND owner, const std::wstring& title,
                                                     const std::wstring& initialFolder) = 0;
    virtual std::optional<std::wstring> ChooseSaveFile(HWND owner,
                                                       const SaveDialogRequest& request) = 0;
};

// The services in force: the real ones unless a test has put its own in place.
Services& Current();
void Replace(Services* services);  // nullptr restores the real ones

}  // namespace platform
