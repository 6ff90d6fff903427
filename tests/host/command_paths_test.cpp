#include <gtest/gtest.h>

#include "commands/CommandPaths.h"

namespace commands {
namespace {

TEST(DirectoryPart, KeepsTheSeparatorOnlyAfterADriveOrAnotherSeparator) {
    const struct {
        const wchar_t* path;
        const wchar_t* directory;
    } cases[] = {
        {L"C:\\Data\\Music\\", L"C:\\Data\\Music"},
        {L"C:\\Data\\Music\\song.mp3", L"C:\\Data\\Music"},
        {L"C:\\", L"C:\\"},
        {L"C:\\song.mp3", L"C:\\"},
        {L"C:", L"C:"},
        {L"C:a.txt", L"C:"},
        {L"\\", L"\\"},
        {L"\\\\server\\share\\", L"\\\\server\\share"},
        {L"a\\\\", L"a\\\\"},
        {L"name", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(DirectoryPart(c.path), c.directory) << c.path;
}

TEST(ShellRequests, FollowTheRowKindForEveryCommand) {
    using K = ShellKind;
    const struct {
        const wchar_t* nodePath;
        bool folder;
        ShellRequest explorer, open, search, properties;
    } cases[] = {
        {L"C:\\Data\\Music\\",
         true,
         {K::CommandLine, false, L"", L"Explorer.exe /e, C:\\Data\\Music", 1},
         {K::CommandLine, false, L"", L"Explorer.exe C:\\Data\\Music", 1},
         {K::ShellExecute, false, L"find", L"C:\\Data\\Music\\", 5},
         {K::InvokeIdList, false, L"properties", L"C:\\Data\\Music\\", 0}},
        {L"C:\\Data\\Music\\song.mp3\\",
         false,
         {K::CommandLine, false, L"", L"Explorer.exe /e, C:\\Data\\Music", 1},
         {K::ShellExecute, true, L"open", L"C:\\Data\\Music\\song.mp3", 1},
         {K::ShellExecute, false, L"find", L"C:\\Data\\Music\\", 5},
         {K::InvokeIdList, false, L"properties", L"C:\\Data\\Music\\song.mp3", 0}},
        {L"C:\\song.mp3\\",
         false,
         {K::CommandLine, false, L"", L"Explorer.exe /e, C:\\", 1},
         {K::ShellExecute, true, L"open", L"C:\\song.mp3", 1},
         {K::ShellExecute, false, L"find", L"C:\\", 5},
         {K::InvokeIdList, false, L"properties", L"C:\\song.mp3", 0}},
        {L"C:\\",
         true,  // the row of an analysed drive
         {K::CommandLine, false, L"", L"Explorer.exe /e, C:\\", 1},
         {K::CommandLine, false, L"", L"Explorer.exe C:\\", 1},
         {K::ShellExecute, false, L"find", L"C:\\", 5},
         {K::InvokeIdList, false, L"properties", L"C:\\", 0}},
        {L"C:\\Data\\",
         true,  // the row of an analysed folder
         {K::CommandLine, false, L"", L"Explorer.exe /e, C:\\Data", 1},
         {K::CommandLine, false, L"", L"Explorer.exe C:\\Data", 1},
         {K::ShellExecute, false, L"find", L"C:\\Data\\", 5},
         {K::InvokeIdList, false, L"properties", L"C:\\Data\\", 0}},
        {L"D:\\My Music\\a b.mp3\\",
         false,  // blanks stay as they are, unquoted
         {K::CommandLine, false, L"", L"Explorer.exe /e, D:\\My Music", 1},
         {K::ShellExecute, true, L"open", L"D:\\My Music\\a b.mp3", 1},
         {K::ShellExecute, false, L"find", L"D:\\My Music\\", 5},
         {K::InvokeIdList, false, L"properties", L"D:\\My Music\\a b.mp3", 0}},
        {L"D:\\My Music\\",
         true,
         {K::CommandLine, false, L"", L"Explorer.exe /e, D:\\My Music", 1},
         {K::CommandLine, false, L"", L"Explorer.exe D:\\My Music", 1},
         {K::ShellExecute, false, L"find", L"D:\\My Music\\", 5},
         {K::InvokeIdList, false, L"properties", L"D:\\My Music\\", 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.folder ? "folder " : "file ") << c.nodePath);
        EXPECT_EQ(ExplorerRequest(c.nodePath, c.folder), c.explorer);
        EXPECT_EQ(OpenRequest(c.nodePath, c.folder), c.open);
        EXPECT_EQ(SearchRequest(c.nodePath, c.folder), c.search);
        EXPECT_EQ(PropertiesRequest(c.nodePath, c.folder), c.properties);
    }
}

}  // namespace
}  // namespace commands
