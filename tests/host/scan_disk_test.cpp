// The scanner with the POSIX reader on a real folder tree (host only): totals against an
// independent walk, links, names outside the code page, folders that vanish or are denied.
#if !defined(_WIN32)
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "fake_code_page.h"
#include "scan/PosixDirectoryReader.h"
#include "scan/Scanner.h"
#include "scan/Utf16.h"
#include "scan_test_support.h"

namespace spandle {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct FixtureFile {
    const char* path;  // relative; ending in "/" makes a folder
    size_t size;
};

// 0-byte files, empty folders, nesting and names outside code page 936.
constexpr FixtureFile kFixture[] = {
    {"empty/", 0},         {"zero.bin", 0},   {"a/one.txt", 1},           {"a/b/c/deep.bin", 5000},
    {"a/b/zero", 0},       {"a/b/d/", 0},     {"Кириллица/файл.txt", 33}, {"العربية/ملف", 44},
    {"emoji 😀/🎉.png", 55}, {"中文/文件", 66}, {"victim/inner/x", 700},    {".hidden", 9}};

class ScanDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("spandle-scan-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        for (const FixtureFile& f : kFixture) {
            const fs::path p = root / fs::u8path(f.path);
            if (std::string_view(f.path).ends_with('/')) {
                fs::create_directories(p);
                continue;
            }
            fs::create_directories(p.parent_path());
            std::ofstream(p, std::ios::binary) << std::string(f.size, 'x');
        }
        // Links to an ancestor and to a file: listed, never entered or counted.
        fs::create_directory_symlink("..", root / "a/b/up");
        fs::create_symlink("../zero.bin", root / "a/to-file");
    }
    void TearDown() override {
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(root);
    }

    void Scan(const DirectoryReader& reader, unsigned workers = 0) {
        ScanOptions options;
        options.workers = workers;
        ASSERT_TRUE(scanner.Start(FromUtf8(root.string()), model, reader, options));
        ASSERT_TRUE(scanner.Wait(30s));
    }

    // Every folder's total and the entry count, from a walk that does not follow links.
    struct Walked {
        std::map<std::u16string, uint64_t> folderTotals;
        uint64_t entries = 0;
    };
    Walked Walk() const {
        Walked w;
        w.folderTotals[FromUtf8(root.string()) + u"/"] = 0;
        for (const auto& e : fs::recursive_directory_iterator(root)) {
            ++w.entries;
            if (e.is_symlink()) continue;
            if (e.is_directory()) w.folderTotals[FromUtf8(e.path().string()) + u"/"] += 0;
            if (!e.is_regular_file()) continue;
            for (fs::path p = e.path().parent_path();; p = p.parent_path()) {
                w.folderTotals[FromUtf8(p.string()) + u"/"] += e.file_size();
                if (p == root) break;
            }
        }
        return w;
    }

    std::map<std::u16string, uint64_t> ScannedFolderTotals() const {
        std::map<std::u16string, uint64_t> totals;
        for (NodeIndex n = 0; n < model.Count(); ++n) {
            if (model.IsFolder(n) && !model.HasFlag(n, kNodeLinkNotFollowed)) {
                totals[test::NodePath(model, n, u'/')] = static_cast<uint64_t>(model.SizeOf(n));
            }
        }
        return totals;
    }

    NodeIndex Find(std::string_view relative) const {
        const std::u16string path = FromUtf8((root / fs::u8path(relative)).string());
        for (NodeIndex n = 0; n < model.Count(); ++n) {
            std::u16string p = test::NodePath(model, n, u'/');
            if (model.IsFolder(n)) p.pop_back();
            if (p == path) return n;
        }
        return kNoNode;
    }

    fs::path root;
    test::FakeGbk gbk;
    TreeModel model{gbk};
    Scanner scanner;
    PosixDirectoryReader posix;
};

TEST_F(ScanDisk, TotalsMatchAnIndependentWalk) {
    const Walked expected = Walk();
    for (unsigned workers : {1u, 3u}) {
        Scan(posix, workers);
        EXPECT_EQ(scanner.EntriesAdded(), expected.entries);
        EXPECT_EQ(ScannedFolderTotals(), expected.folderTotals);
        test::ExpectConsistent(model);
    }
    EXPECT_EQ(model.SizeOf(model.Root()), 5000 + 1 + 33 + 44 + 55 + 66 + 700 + 9);
    const NodeIndex emoji = Find("emoji 😀/🎉.png");
    ASSERT_NE(emoji, kNoNode);
    EXPECT_EQ(model.SizeOf(emoji), 55);
    EXPECT_EQ(model.ChildCount(Find("empty")), 0u);
}

TEST_F(ScanDisk, LinksAreListedButNotEntered) {
    Scan(posix);
    const NodeIndex up = Find("a/b/up");
    ASSERT_NE(up, kNoNode);
    EXPECT_TRUE(model.IsFolder(up));
    EXPECT_TRUE(model.HasFlag(up, kNodeLinkNotFollowed));
    EXPECT_EQ(model.ChildCount(up), 0u);
    EXPECT_EQ(model.SizeOf(up), 0);
    const NodeIndex toFile = Find("a/to-file");
    ASSERT_NE(toFile, kNoNode);
    EXPECT_FALSE(model.IsFolder(toFile));
    EXPECT_EQ(model.SizeOf(toFile), 0);
}

TEST_F(ScanDisk, AFolderThatVanishesOrIsDeniedKeepsAnEmptyNode) {
    test::HookedReader reader(posix);
    const std::u16string rootPath = FromUtf8(root.string()) + u"/";
    // Listed with the root, removed before it is entered.
    reader.after = [&](std::u16string_view path) {
        if (path == rootPath) fs::remove_all(root / "victim");
    };
    reader.Deny(rootPath + u"a/b/");
    Scan(reader, 2);
    for (const char* gone : {"victim", "a/b"}) {
        const NodeIndex n = Find(gone);
        ASSERT_NE(n, kNoNode) << gone;
        EXPECT_TRUE(model.HasFlag(n, kNodeUnreadable)) << gone;
        EXPECT_EQ(model.ChildCount(n), 0u) << gone;
        EXPECT_EQ(model.SizeOf(n), 0) << gone;
    }
    EXPECT_FALSE(model.HasFlag(Find("a"), kNodeUnreadable));
    EXPECT_EQ(model.SizeOf(Find("a")), 1);
    EXPECT_EQ(model.SizeOf(model.Root()), 1 + 33 + 44 + 55 + 66 + 9);
    test::ExpectConsistent(model);
}

TEST_F(ScanDisk, AccessDeniedBesideReadableSiblings) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    fs::permissions(root / "a", fs::perms::none);
    Scan(posix);
    EXPECT_TRUE(model.HasFlag(Find("a"), kNodeUnreadable));
    EXPECT_EQ(model.SizeOf(Find("中文")), 66);
    fs::permissions(root / "a", fs::perms::owner_all);
}

}  // namespace
}  // namespace spandle
#endif
