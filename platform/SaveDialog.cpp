#include "platform/SaveDialog.h"

#include <commdlg.h>

#include <vector>

namespace platform {

std::optional<std::wstring> ShowSaveDialog(HWND owner, const SaveDialogRequest& request) {
    std::wstring filter = request.filter;  // "a|b" becomes "a\0b\0\0"
    for (auto& ch : filter)
        if (ch == L'|') ch = L'\0';
    filter.append(2, L'\0');
    std::vector<wchar_t> name(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    if (!::GetSaveFileNameW(&ofn)) return std::nullopt;
    return std::wstring(name.data());
}

}  // namespace platform
