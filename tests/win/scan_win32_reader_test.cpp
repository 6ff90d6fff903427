// The scanner with the Win32 reader on real files: long paths, names outside the code
// page, links, and the real ANSI code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "scan/AnsiCodePage.h"
#include "scan/Scanner.h"
#include "scan/Win32DirectoryReader.h"

namespace spandle {
namespace {

using namespace std::chrono_literals;

std::u16string U16(const std::wstring& s) {
    return {s.begin(), s.end()};
}

class Win32Scan : public ::testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        root = std::wstring(temp) + L"spandle-scan-" + std::to_wstring(GetCurrentProcessId());
        Folder(L"");
    }
    void TearDown() override { Remove(L"\\\\?\\" + root); }

    void Folder(const std::wstring& relative) {
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + root + relative).c_str(), nullptr))
            << GetLastError();
    }
    void File(const std::wstring& relative, DWORD size) {
        const HANDLE h = CreateFileW((L"\\\\?\\" + root + relative).c_str(), GENERIC_WRITE, 0,
                                     nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << GetLastError();
        SetFilePointer(h, static_cast<LONG>(size), nullptr, FILE_BEGIN);
        SetEndOfFile(h);
        CloseHandle(h);
    }
    static void Remove(const std::wstring& path) {
        WIN32_FIND_DATAW data;
        const HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = data.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring child = path + L"\\" + name;
                const DWORD a = data.dwFileAttributes;
                if ((a & FILE_ATTRIBUTE_DIRECTORY) && !(a & FILE_ATTRIBUTE_REPARSE_POINT)) {
                    Remove(child);
                } else if (a & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveDirectoryW(child.c_str());
                } else {
                    DeleteFileW(child.c_str());
                }
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        RemoveDirectoryW(path.c_str());
    }
    void Scan() {
        ASSERT_TRUE(scanner.Start(U16(root + L"\\"), model, reader));
        ASSERT_TRUE(scanner.Wait(60s));
    }
    NodeIndex Find(std::u16string_view name) const {
        for (NodeIndex n = 0; n < model.Count(); ++n) {
            if (model.Name(n) == name) return n;
        }
        return kNoNode;
    }

    std::wstring root;
    AnsiCodePage codePage;
    TreeModel model{codePage};
    Win32DirectoryReader reader;
    Scanner scanner;
};

TEST_F(Win32Scan, CountsLongPathsAndNamesOutsideTheCodePage) {
    std::wstring deep;
    for (int i = 0; i < 6; ++i) {
        deep += L"\\" + std::wstring(50, static_cast<wchar_t>(L'a' + i));
        Folder(deep);
    }
    ASSERT_GT(root.size() + deep.size(), 300u);
    File(deep + L"\\deep.bin", 1234);
    const wchar_t* names[] = {L"\\Кириллица", L"\\العربية", L"\\emoji \U0001F600", L"\\中文"};
    DWORD size = 10;
    for (const wchar_t* name : names) {
        Folder(name);
        File(std::wstring(name) + L"\\f.txt", size);
        size += 10;
    }
    File(L"\\zero", 0);
    Folder(L"\\empty");
    Scan();
    EXPECT_EQ(model.SizeOf(model.Root()), 1234 + 10 + 20 + 30 + 40);
    EXPECT_EQ(scanner.EntriesAdded(), 6u + 1 + 4 * 2 + 2);
    EXPECT_EQ(model.SizeOf(Find(u"deep.bin")), 1234);
    EXPECT_EQ(model.SizeOf(Find(u"emoji \U0001F600")), 30);
    EXPECT_EQ(model.SizeOf(Find(u"Кириллица")), 10);
    EXPECT_EQ(model.ChildCount(Find(u"empty")), 0u);
    EXPECT_FALSE(model.HasFlag(Find(u"empty"), kNodeUnreadable));
}

TEST_F(Win32Scan, ALinkToAnAncestorIsListedNotEntered) {
    Folder(L"\\sub");
    File(L"\\sub\\x", 5);
    const std::wstring link = root + L"\\sub\\up";
    // Wine 8 reports success without making the link.
    if (!CreateSymbolicLinkW(link.c_str(), root.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
        GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no directory links here: " << GetLastError();
    }
    Scan();
    const NodeIndex up = Find(u"up");
    ASSERT_NE(up, kNoNode);
    EXPECT_TRUE(model.HasFlag(up, kNodeLinkNotFollowed));
    EXPECT_EQ(model.ChildCount(up), 0u);
    EXPECT_EQ(model.SizeOf(model.Root()), 5);
}

TEST(ExtendedSearchPattern, PrefixesDrivesSharesAndResolvesTheRest) {
    const struct {
        const char16_t* path;
        const wchar_t* pattern;
    } cases[] = {{u"C:\\x\\", L"\\\\?\\C:\\x\\*"},
                 {u"C:\\", L"\\\\?\\C:\\*"},
                 {u"\\\\server\\share\\d\\", L"\\\\?\\UNC\\server\\share\\d\\*"},
                 {u"\\\\?\\C:\\y\\", L"\\\\?\\C:\\y\\*"},
                 {u"C:/a/b/", L"\\\\?\\C:\\a\\b\\*"}};
    for (const auto& c : cases) EXPECT_EQ(ExtendedSearchPattern(c.path), c.pattern);
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    std::wstring expected = std::wstring(L"\\\\?\\") + current;
    if (expected.back() != L'\\') expected += L'\\';
    EXPECT_EQ(ExtendedSearchPattern(u"rel\\"), expected + L"rel\\*");
}

TEST(AnsiCodePage, EncodesInTheSystemCodePage) {
    if (GetACP() != 936) GTEST_SKIP() << "code page " << GetACP();
    const AnsiCodePage codePage;
    std::string bytes;
    codePage.Encode(u"中文a", bytes);
    EXPECT_EQ(bytes,
              "\xD6\xD0\xCE\xC4"
              "a");
    std::u16string back;
    codePage.Decode(bytes, back);
    EXPECT_EQ(back, u"中文a");
    // Pinyin order through the real code page: a (阿), l (李), z (中).
    TreeModel model(codePage);
    const NodeIndex root = model.AddRoot(u"R", 0x10);
    const NewNode names[] = {{u"中", 0x20, 0, 0}, {u"阿", 0x20, 0, 0}, {u"李", 0x20, 0, 0}};
    model.AppendChildren(root, names);
    model.SetSort({SortColumn::Name, true});
    EXPECT_EQ(model.Name(model.DisplayChild(root, 0)), u"阿");
    EXPECT_EQ(model.Name(model.DisplayChild(root, 1)), u"李");
    EXPECT_EQ(model.Name(model.DisplayChild(root, 2)), u"中");
}

}  // namespace
}  // namespace spandle
