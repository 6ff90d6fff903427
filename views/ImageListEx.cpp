#include "views/ImageListEx.h"

#include <shellapi.h>

#include <algorithm>
#include <cwctype>

namespace views {
namespace {

constexpr UINT kSmallTypeIcon = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | SHGFI_SMALLICON;

// The icon index of a made-up name of the given attributes; -1 when the shell has none.
int ShellIndex(const wchar_t* name, DWORD attributes, UINT flags) {
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(name, attributes, &info, sizeof info, flags) == 0) return -1;
    return info.iIcon;
}

// What decides a name's icon when the disk is not looked at: its extension.
std::wstring ExtensionKey(const std::wstring& fileName) {
    const size_t dot = fileName.find_last_of(L'.');
    std::wstring key = dot == std::wstring::npos ? L"" : fileName.substr(dot);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return key;
}

}  // namespace

HIMAGELIST AssignSystemImageList(bool small) {
    SHFILEINFOW info{};
    const UINT flags = SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoW(L"", 0, &info, sizeof info, flags));
}

int SystemIconIndexOfFile(const std::wstring& fileName) {
    return ShellIndex(fileName.c_str(), FILE_ATTRIBUTE_NORMAL, kSmallTypeIcon);
}

TImageListEx::TImageListEx(int width, int height) : width_(width), height_(height) {
    list_ = ::ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 16);
}

// The system list is the shell's and stays.
TImageListEx::~TImageListEx() {
    ::ImageList_Destroy(list_);
}

void TImageListEx::EnsureSystemList() {
    if (FSystemList) return;
    FSystemList = AssignSystemImageList(width_ == 16);
    FMappedIndices.clear();
}

int TImageListEx::AddSystemIcon(int systemIndex) {
    HICON icon = FSystemList ? ::ImageList_GetIcon(FSystemList, systemIndex, ILD_NORMAL) : nullptr;
    if (!icon) return -1;
    const int index = ::ImageList_AddIcon(list_, icon);
    ::DestroyIcon(icon);
    return index;
}

int TImageListEx::MapSystemIndex(int systemIndex) {
    if (systemIndex < 0) return -1;
    EnsureSystemList();
    auto it = std::find(FMappedIndices.begin(), FMappedIndices.end(), systemIndex);
    if (it != FMappedIndices.end())
        return FBaseCount + static_cast<int>(it - FMappedIndices.begin());
    const int index = AddSystemIcon(systemIndex);
    if (index >= 0) FMappedIndices.push_back(systemIndex);  // a failed copy is tried again
    return index;
}

int TImageListEx::FolderIndex(UINT flags, int& cached) {
    if (cached < 0) cached = MapSystemIndex(ShellIndex(L"tutu", FILE_ATTRIBUTE_DIRECTORY, flags));
    return cached;
}

int TImageListEx::ClosedFolderIndex() {
    return FolderIndex(kSmallTypeIcon, closedFolder_);
}

int TImageListEx::OpenFolderIndex() {
    return FolderIndex(kSmallTypeIcon | SHGFI_OPENICON, openFolder_);
}

int TImageListEx::FileIndex(const std::wstring& fileName) {
    const std::wstring key = ExtensionKey(fileName);
    if (auto it = byExtension_.find(key); it != byExtension_.end()) return it->second;
    const int index = MapSystemIndex(SystemIconIndexOfFile(fileName));
    if (index >= 0) byExtension_.emplace(key, index);
    return index;
}

}  // namespace views
