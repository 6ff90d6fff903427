#include "platform/FolderDialog.h"

#include <shlobj.h>
#include <shobjidl.h>

namespace platform {
namespace {

template <typename T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

// Some dialog implementations give a NULL result with S_OK; treat that as a cancel.
std::optional<std::wstring> PickWithFileDialog(HWND owner, const std::wstring& title,
                                               const std::wstring& initialFolder, bool& available) {
    ComPtr<IFileOpenDialog> dialog;
    available = SUCCEEDED(::CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(&dialog.p)));
    if (!available) return std::nullopt;
    FILEOPENDIALOGOPTIONS options = 0;
    dialog->GetOptions(&options);
    dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_FORCESHOWHIDDEN |
                       FOS_PATHMUSTEXIST);
    dialog->SetTitle(title.c_str());
    if (!initialFolder.empty()) {
        ComPtr<IShellItem> folder;
        if (SUCCEEDED(::SHCreateItemFromParsingName(initialFolder.c_str(), nullptr,
                                                    IID_PPV_ARGS(&folder.p))))
            dialog->SetFolder(folder.p);
    }
    if (FAILED(dialog->Show(owner))) return std::nullopt;
    ComPtr<IShellItem> item;
    if (FAILED(dialog->GetResult(&item)) || !item.p) return std::nullopt;
    PWSTR path = nullptr;
    if (FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path)) || !path) return std::nullopt;
    std::wstring result(path);
    ::CoTaskMemFree(path);
    return result;
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data)
        ::SendMessageW(window, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

std::optional<std::wstring> PickWithBrowseDialog(HWND owner, const std::wstring& title,
                                                 const std::wstring& initialFolder) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | BIF_EDITBOX;
    info.lpfn = BrowseCallback;
    info.lParam = initialFolder.empty() ? 0 : reinterpret_cast<LPARAM>(initialFolder.c_str());
    PIDLIST_ABSOLUTE list = ::SHBrowseForFolderW(&info);
    if (!list) return std::nullopt;
    std::wstring path(32768, L'\0');
    const bool ok = ::SHGetPathFromIDListEx(list, path.data(), static_cast<DWORD>(path.size()), 0);
    ::CoTaskMemFree(list);
    if (!ok) return std::nullopt;
    path.resize(wcslen(path.c_str()));
    return path;
}

}  // namespace

std::optional<std::wstring> ShowFolderDialog(HWND owner, const std::wstring& title,
                                             const std::wstring& initialFolder) {
    bool available = false;
    auto picked = PickWithFileDialog(owner, title, initialFolder, available);
    if (available) return picked;
    return PickWithBrowseDialog(owner, title, initialFolder);
}

}  // namespace platform
