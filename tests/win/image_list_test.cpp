// The shell icon list: which icons it copies and how it numbers them.
#include <gtest/gtest.h>

#include "views/ImageListEx.h"

namespace {

using views::SystemIconIndexOfFile;
using views::TImageListEx;

TEST(ImageListEx, CopiesEachSystemIconOnceInTheOrderAsked) {
    TImageListEx list;
    const int text = SystemIconIndexOfFile(L"a.txt");
    ASSERT_GE(text, 0);
    EXPECT_EQ(SystemIconIndexOfFile(L"C:\\nowhere\\b.txt"), text);  // by type, not by place
    EXPECT_EQ(list.MapSystemIndex(text), 0);
    EXPECT_EQ(list.MapSystemIndex(text), 0);
    EXPECT_EQ(list.Count(), 1);
    const int folder = list.ClosedFolderIndex();
    EXPECT_EQ(folder, 1);
    EXPECT_EQ(list.ClosedFolderIndex(), 1);
    const int open = list.OpenFolderIndex();
    EXPECT_GE(open, 1);
    EXPECT_EQ(list.OpenFolderIndex(), open);
    EXPECT_EQ(list.Count(), open + 1);
    EXPECT_EQ(list.FileIndex(L"另一个.TXT"), 0);
    EXPECT_EQ(list.Count(), open + 1);
}

TEST(ImageListEx, ANegativeIndexCreatesNothing) {
    TImageListEx list;
    EXPECT_EQ(list.MapSystemIndex(-1), -1);
    EXPECT_EQ(list.SystemList(), nullptr);
    EXPECT_EQ(list.Count(), 0);
}

TEST(ImageListEx, OtherWidthsMirrorTheLargeSystemIcons) {
    TImageListEx small, large(32, 32);
    small.EnsureSystemList();
    large.EnsureSystemList();
    int w = 0, h = 0;
    ::ImageList_GetIconSize(small.SystemList(), &w, &h);
    EXPECT_EQ(w, ::GetSystemMetrics(SM_CXSMICON));
    ::ImageList_GetIconSize(large.SystemList(), &w, &h);
    EXPECT_EQ(w, ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(large.FileIndex(L"x.txt"), 0);
    ::ImageList_GetIconSize(large.Handle(), &w, &h);
    EXPECT_EQ(w, 32);
}

TEST(ImageListEx, CopiesAreNumberedAfterTheListsOwnImages) {
    TImageListEx list;
    HICON icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    for (int i = 0; i < 3; ++i) ::ImageList_AddIcon(list.Handle(), icon);
    list.Loaded();
    EXPECT_EQ(list.FileIndex(L"a.txt"), 3);
    EXPECT_EQ(list.ClosedFolderIndex(), 4);
    EXPECT_EQ(list.FileIndex(L"b.txt"), 3);
}

}  // namespace
