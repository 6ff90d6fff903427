// An image list of the shell's own icons that copies only the icons it is asked for: the
// first request for a system icon index copies that icon from the shell's system image
// list, later requests for the same index get the same own index. Names are looked up by
// file type only (the disk is never touched), and each extension is asked for once.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace views {

// The shell's system image list of small or large icons; shared, never to be destroyed.
HIMAGELIST AssignSystemImageList(bool small);
// The system icon index of a file name's type, or -1.
int SystemIconIndexOfFile(const std::wstring& fileName);

class TImageListEx {
  public:
    explicit TImageListEx(int width = 16, int height = 16);
    ~TImageListEx();
    TImageListEx(const TImageListEx&) = delete;
    TImageListEx& operator=(const TImageListEx&) = delete;

    HIMAGELIST Handle() const { return list_; }
    int Count() const { return ::ImageList_GetImageCount(list_); }
    // The images the list holds now are its own: copied icons are numbered after them.
    void Loaded() { FBaseCount = Count(); }

    void EnsureSystemList();
    int MapSystemIndex(int systemIndex);  // own index, or -1
    int AddSystemIcon(int systemIndex);   // own index of the new copy, or -1
    int ClosedFolderIndex();
    int OpenFolderIndex();
    int FileIndex(const std::wstring& fileName);

    HIMAGELIST SystemList() const { return FSystemList; }  // nullptr until first needed

  private:
    int FolderIndex(UINT flags, int& cached);

    HIMAGELIST list_ = nullptr;
    int width_, height_;
    int FBaseCount = 0;
    HIMAGELIST FSystemList = nullptr;
    std::vector<int> FMappedIndices;
    std::unordered_map<std::wstring, int> byExtension_;
    int closedFolder_ = -1, openFolder_ = -1;
};

}  // namespace views
