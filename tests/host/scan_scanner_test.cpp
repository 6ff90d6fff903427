// The scanner on generated trees: totals against a direct count, cancel, depth guard,
// progress and the root rule.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "fake_code_page.h"
#include "scan/Scanner.h"
#include "scan/SyntheticReader.h"
#include "scan_test_support.h"

namespace spandle {
namespace {

using namespace std::chrono_literals;

class ScanSynthetic : public ::testing::Test {
  protected:
    static ScanOptions Workers(unsigned workers) {
        ScanOptions options;
        options.workers = workers;
        return options;
    }
    void Scan(const DirectoryReader& reader, ScanOptions options = {}) {
        ASSERT_TRUE(scanner.Start(u"S:", model, reader, std::move(options)));
        ASSERT_TRUE(scanner.Wait(60s));
    }

    test::FakeGbk gbk;
    TreeModel model{gbk};
    Scanner scanner;
};

TEST_F(ScanSynthetic, TotalsMatchADirectCountForEveryPoolSize) {
    const SyntheticReader reader(u"S:", {.seed = 7, .depth = 4, .foldersPerFolder = 5});
    const SyntheticReader::Totals expected = reader.Expected();
    for (unsigned workers : {1u, 2u, 8u}) {
        Scan(reader, Workers(workers));
        EXPECT_FALSE(scanner.Cancelled());
        EXPECT_EQ(scanner.EntriesAdded(), expected.entries);
        EXPECT_EQ(model.Count(), expected.entries + 1);
        EXPECT_EQ(static_cast<uint64_t>(model.SizeOf(model.Root())), expected.bytes);
        test::ExpectConsistent(model);
    }
}

TEST_F(ScanSynthetic, KeepsExactTotalsAbove4GiB) {
    const SyntheticReader reader(
        u"S:", {.depth = 2, .foldersPerFolder = 3, .maxFileSize = 3ull << 30, .skewed = false});
    Scan(reader);
    const uint64_t files = test::ExpectConsistent(model);
    EXPECT_EQ(files, reader.Expected().bytes);
    const NodeIndex folder = model.Child(model.Root(), 8);  // files come first: folder_0
    ASSERT_TRUE(model.IsFolder(folder));
    EXPECT_GT(model.SizeOf(folder), 4ll << 30);
}

TEST_F(ScanSynthetic, ScalesToAMillionNodes) {
    const SyntheticReader reader(u"S:", {.depth = 5, .foldersPerFolder = 10, .filesPerFolder = 9});
    const SyntheticReader::Totals expected = reader.Expected();
    ASSERT_GT(expected.entries, 1000000u);
    Scan(reader);
    EXPECT_EQ(model.Count(), expected.entries + 1);
    EXPECT_EQ(test::ExpectConsistent(model), expected.bytes);
}

TEST_F(ScanSynthetic, CancelBeforeTheFirstEntryLeavesTheRootAlone) {
    const SyntheticReader inner(u"S:", {});
    test::HookedReader reader(inner);
    reader.before = [&](std::u16string_view) { scanner.Cancel(); };
    Scan(reader);
    EXPECT_TRUE(scanner.Cancelled());
    EXPECT_EQ(model.Count(), 1u);
    EXPECT_EQ(model.SizeOf(model.Root()), 0);
    EXPECT_EQ(scanner.EntriesAdded(), 0u);
}

TEST_F(ScanSynthetic, CancelInADeepScanLeavesEveryFolderConsistent) {
    const SyntheticReader inner(u"S:", {.depth = 12, .foldersPerFolder = 2, .filesPerFolder = 3});
    for (unsigned workers : {1u, 4u}) {
        test::HookedReader reader(inner);
        std::atomic<int> listed{0};
        reader.after = [&](std::u16string_view) {
            if (++listed == 300) scanner.Cancel();
        };
        Scan(reader, Workers(workers));
        EXPECT_TRUE(scanner.Cancelled());
        EXPECT_LT(model.Count(), inner.Expected().entries / 4);
        EXPECT_EQ(scanner.EntriesAdded(), model.Count() - 1u);
        test::ExpectConsistent(model);
    }
}

TEST_F(ScanSynthetic, DepthGuardStopsDescending) {
    const SyntheticReader reader(u"S:", {.depth = 6, .foldersPerFolder = 2, .filesPerFolder = 1});
    ScanOptions options;
    options.maxDepth = 3;
    Scan(reader, options);
    unsigned guarded = 0;
    for (NodeIndex n = 0; n < model.Count(); ++n) {
        EXPECT_LE(model.Level(n), 4u);
        if (model.IsFolder(n) && model.Level(n) == 4) {
            EXPECT_TRUE(model.HasFlag(n, kNodeUnreadable));
            EXPECT_EQ(model.ChildCount(n), 0u);
            ++guarded;
        }
    }
    EXPECT_EQ(guarded, 16u);
}

TEST_F(ScanSynthetic, ProgressShowsTheFolderBeingEnteredAndRefusesASecondStart) {
    const SyntheticReader inner(u"S:", {.depth = 1, .foldersPerFolder = 2, .filesPerFolder = 1});
    test::HookedReader reader(inner);
    std::vector<std::u16string> seen;
    bool secondStart = true;
    reader.before = [&](std::u16string_view path) {
        const ScanProgress progress = scanner.Progress();
        EXPECT_EQ(progress.currentFolder, path);
        EXPECT_FALSE(progress.done);
        seen.push_back(progress.currentFolder);
        secondStart = secondStart && scanner.Start(u"S:", model, reader);
    };
    std::atomic<bool> notified{false};
    ScanOptions options = Workers(1);
    options.onDone = [&] { notified = true; };
    Scan(reader, options);
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"S:\\", u"S:\\folder_0\\", u"S:\\folder_1\\"}));
    EXPECT_FALSE(secondStart);
    EXPECT_TRUE(scanner.Progress().done);
    EXPECT_EQ(scanner.Progress().entriesAdded, 5u);
    // The callback runs just after Done() turns true, on the last worker.
    for (int i = 0; i < 1000 && !notified.load(); ++i) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(notified.load());
}

TEST_F(ScanSynthetic, RootIsThePathWithoutItsFinalSeparator) {
    const struct {
        std::u16string path;
        std::u16string name;
    } cases[] = {
        {u"C:\\", u"C:"}, {u"C:", u"C:"}, {u"D:\\Data\\", u"D:\\Data"}, {u"D:\\Data", u"D:\\Data"}};
    for (const auto& c : cases) {
        const SyntheticReader reader(c.name,
                                     {.depth = 1, .foldersPerFolder = 1, .filesPerFolder = 1});
        ASSERT_TRUE(scanner.Start(c.path, model, reader));
        ASSERT_TRUE(scanner.Wait(10s));
        EXPECT_EQ(model.Name(model.Root()), c.name);
        EXPECT_EQ(model.Attributes(model.Root()), 0x10u);
        EXPECT_EQ(model.Count(), 4u);
    }
}

TEST_F(ScanSynthetic, AnUnreadableRootKeepsItsNode) {
    const SyntheticReader reader(u"elsewhere", {});
    Scan(reader);
    EXPECT_EQ(model.Count(), 1u);
    EXPECT_TRUE(model.HasFlag(model.Root(), kNodeUnreadable));
    EXPECT_EQ(model.SizeOf(model.Root()), 0);
}

// Lists the root as a table of folder kinds; every other folder holds one 7-byte file.
class ReparseReader final : public DirectoryReader {
  public:
    struct Kind {
        const char16_t* name;
        uint32_t attributes;
        uint32_t tag;
        bool entered;
    };
    static constexpr Kind kKinds[] = {
        {u"junction", 0x410, kReparseTagMountPoint, false},
        {u"dir-symlink", 0x410, kReparseTagSymlink, false},
        {u"wine-link", 0x410, 0, false},           // Wine's Linux directory link
        {u"surrogate", 0x410, 0x2000ABCD, false},  // any name-surrogate tag
        {u"cloud", 0x410, 0x9000001A, true},       // placeholder: the data is here
        {u"dedup", 0x410, 0x80000013, true},
        {u"plain", 0x10, 0, true},
    };

    char16_t Separator() const override { return u'\\'; }
    ListStatus List(std::u16string_view path, const std::atomic<bool>&,
                    DirectoryListing& out) const override {
        if (path != u"R:\\") {
            out.Add(u"f", 0x20, 7, 0);
            return ListStatus::Complete;
        }
        for (const Kind& k : kKinds) out.Add(k.name, k.attributes, 0, k.tag);
        out.Add(u"file-link", 0x420, 0, kReparseTagSymlink);
        return ListStatus::Complete;
    }
};

TEST_F(ScanSynthetic, EntersOnlyFoldersThatAreNotNameSurrogates) {
    const ReparseReader reader;
    ASSERT_TRUE(scanner.Start(u"R:", model, reader));
    ASSERT_TRUE(scanner.Wait(10s));
    uint64_t entered = 0;
    for (uint32_t i = 0; i < std::size(ReparseReader::kKinds); ++i) {
        const ReparseReader::Kind& kind = ReparseReader::kKinds[i];
        const NodeIndex n = model.Child(model.Root(), i);
        EXPECT_EQ(model.ChildCount(n), kind.entered ? 1u : 0u) << i;
        EXPECT_EQ(model.HasFlag(n, kNodeLinkNotFollowed), !kind.entered) << i;
        entered += kind.entered;
    }
    const NodeIndex fileLink = model.Child(model.Root(), std::size(ReparseReader::kKinds));
    EXPECT_FALSE(model.HasFlag(fileLink, kNodeLinkNotFollowed));
    EXPECT_EQ(model.SizeOf(model.Root()), static_cast<Size>(7 * entered));
}

}  // namespace
}  // namespace spandle
