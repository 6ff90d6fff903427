#include "settings/ExplorerVerb.h"

#include <windows.h>

#include "app/FormSpandle.h"

namespace settings {
namespace {

void WriteDefaultValue(const std::wstring& keyPath, const std::wstring& value) {
    HKEY key = nullptr;
    LONG status = ::RegCreateKeyExW(HKEY_CLASSES_ROOT, keyPath.c_str(), 0, nullptr, 0,
                                    KEY_SET_VALUE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS) throw app::AppError(L"Failed to write HKEY_CLASSES_ROOT\\" + keyPath);
}

}  // namespace

std::wstring FolderVerbCommand(const std::wstring& executable) {
    return L"\"" + executable + L"\" \"%1\"";
}

void RegisterFolderVerb(const std::wstring& caption, const std::wstring& executable) {
    WriteDefaultValue(kFolderVerbKey, caption);
    WriteDefaultValue(std::wstring(kFolderVerbKey) + L"\\command", FolderVerbCommand(executable));
}

void RemoveFolderVerb() {
    const LONG status = ::RegDeleteTreeW(HKEY_CLASSES_ROOT, kFolderVerbKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw app::AppError(L"Failed to delete HKEY_CLASSES_ROOT\\" + std::wstring(kFolderVerbKey));
}

}  // namespace settings
