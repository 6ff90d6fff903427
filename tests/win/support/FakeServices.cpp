#include "support/FakeServices.h"

namespace testing_support {

int FakeServices::MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption,
                             UINT type) {
    messages.push_back({owner, text, caption, type});
    if (messageAnswers.empty()) return IDOK;
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

void FakeServices::ShellExecute(HWND owner, const std::wstring& verb, const std::wstring& file,
                                int show) {
    shellCalls.push_back({L"ShellExecute", owner, verb, file, show});
}

void FakeServices::ShellExecuteInvokeIdList(const std::wstring& verb, const std::wstring& file) {
    shellCalls.push_back({L"InvokeIdList", nullptr, verb, file, 0});
}

void FakeServices::RunCommandLine(const std::wstring& commandLine, int show) {
    shellCalls.push_back({L"CommandLine", nullptr, L"", commandLine, show});
}

std::optional<std::wstring> FakeServices::ChooseFolder(HWND, const std::wstring& title,
                                                       const std::wstring& initialFolder) {
    folderRequests.push_back({title, initialFolder});
    if (folderAnswers.empty()) return std::nullopt;
    auto answer = folderAnswers.front();
    folderAnswers.pop_front();
    return answer;
}

std::optional<std::wstring> FakeServices::ChooseSaveFile(HWND,
                                                         const platform::SaveDialogRequest& request) {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) return std::nullopt;
    auto answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

}  // namespace testing_support
