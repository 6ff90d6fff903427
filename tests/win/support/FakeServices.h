// Records what the program would show or start, and answers its dialogs.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.h"

namespace testing_support {

struct ShownMessage {
    HWND owner;
    std::wstring text, caption;
    UINT type;
};

struct ShellCall {
    std::wstring kind;  // "ShellExecute", "InvokeIdList" or "CommandLine"
    HWND owner;
    std::wstring verb, file;
    int show;
};

class FakeServices : public platform::Services {
public:
    FakeServices() { platform::Replace(this); }
    ~FakeServices() override { platform::Replace(nullptr); }

    int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                   UINT type) override;
    void ShellExecute(HWND owner, const std::wstring& verb, const std::wstring& file,
                      int show) override;
    void ShellExecuteInvokeIdList(const std::wstring& verb, const std::wstring& file) override;
    void RunCommandLine(const std::wstring& commandLine, int show) override;
    std::optional<std::wstring> ChooseFolder(HWND owner, const std::wstring& title,
                                             const std::wstring& initialFolder) override;
    std::optional<std::wstring> ChooseSaveFile(HWND owner,
                                               const platform::SaveDialogRequest& request) override;

    std::vector<ShownMessage> messages;
    std::vector<ShellCall> shellCalls;
    std::deque<int> messageAnswers;  // answers in turn; IDOK when empty

    struct FolderRequest {
        std::wstring title, initialFolder;
    };
    std::vector<FolderRequest> folderRequests;
    std::deque<std::optional<std::wstring>> folderAnswers;
    std::vector<platform::SaveDialogRequest> saveRequests;
    std::deque<std::optional<std::wstring>> saveAnswers;
};

}  // namespace testing_support
