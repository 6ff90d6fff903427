#include "commands/CommandPaths.h"

namespace commands {

std::wstring DirectoryPart(std::wstring_view x) {
    const size_t last = x.find_last_of(L"\\:");
    if (last == std::wstring_view::npos) return {};
    size_t end = last + 1;
    const bool keepSeparator =
        x[last] != L'\\' || last == 0 || x[last - 1] == L':' || x[last - 1] == L'\\';
    if (!keepSeparator) --end;
    return std::wstring(x.substr(0, end));
}

std::wstring WithoutFinalSeparator(std::wstring_view nodePath) {
    if (!nodePath.empty() && nodePath.back() == L'\\') nodePath.remove_suffix(1);
    return std::wstring(nodePath);
}

std::wstring FolderOfFile(std::wstring_view nodePath) {
    const std::wstring file = WithoutFinalSeparator(nodePath);
    const size_t last = file.find_last_of(L'\\');
    return last == std::wstring::npos ? std::wstring() : file.substr(0, last + 1);
}

ShellRequest ExplorerRequest(std::wstring_view nodePath, bool isFolder) {
    const std::wstring folder =
        isFolder ? DirectoryPart(nodePath) : DirectoryPart(WithoutFinalSeparator(nodePath));
    return {ShellKind::CommandLine, false, L"", L"Explorer.exe /e, " + folder, kShowNormal};
}

ShellRequest OpenRequest(std::wstring_view nodePath, bool isFolder) {
    if (isFolder)
        return {ShellKind::CommandLine, false, L"", L"Explorer.exe " + DirectoryPart(nodePath),
                kShowNormal};
    return {ShellKind::ShellExecute, true, L"open", WithoutFinalSeparator(nodePath), kShowNormal};
}

ShellRequest SearchRequest(std::wstring_view nodePath, bool isFolder) {
    return {ShellKind::ShellExecute, false, L"find",
            isFolder ? std::wstring(nodePath) : FolderOfFile(nodePath), kShow};
}

ShellRequest PropertiesRequest(std::wstring_view nodePath, bool isFolder) {
    return {ShellKind::InvokeIdList, false, L"properties",
            isFolder ? std::wstring(nodePath) : WithoutFinalSeparator(nodePath), 0};
}

}  // namespace commands
