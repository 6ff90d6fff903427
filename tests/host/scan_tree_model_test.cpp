#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_code_page.h"
#include "scan/NodeRecord.h"
#include "scan/TreeModel.h"

namespace spandle {
namespace {

constexpr uint32_t kFolder = 0x10;
constexpr uint32_t kFile = 0x20;

// C:
//   docs\         (enumerated first)
//     big.bin     300
//     notes\      (empty)
//   a.txt         100
//   zero          0
class SmallTree : public ::testing::Test {
  protected:
    void SetUp() override {
        root = model.AddRoot(u"C:", kFolder);
        const NewNode top[] = {
            {u"docs", kFolder, 0, 0}, {u"a.txt", kFile, 100, 0}, {u"zero", kFile, 0, 0}};
        docs = model.AppendChildren(root, top);
        aTxt = docs + 1;
        zero = docs + 2;
        const NewNode inDocs[] = {{u"big.bin", kFile, 300, 0}, {u"notes", kFolder, 0, 0}};
        big = model.AppendChildren(docs, inDocs);
        notes = big + 1;
        model.AddSize(root, 100);
        model.AddSize(docs, 300);
    }

    std::vector<std::u16string> Walk(bool onlyVisible) const {
        std::vector<std::u16string> names;
        for (NodeIndex n = model.Root(); n != kNoNode;
             n = onlyVisible ? model.NextVisible(n) : model.Next(n)) {
            names.emplace_back(model.Name(n));
        }
        return names;
    }

    test::FakeGbk gbk;
    TreeModel model{gbk};
    NodeIndex root, docs, aTxt, zero, big, notes;
};

TEST_F(SmallTree, Relations) {
    EXPECT_EQ(model.Root(), root);
    EXPECT_EQ(model.Count(), 6u);
    EXPECT_EQ(model.Parent(root), kNoNode);
    EXPECT_EQ(model.Parent(big), docs);
    EXPECT_EQ(model.Level(root), 0u);
    EXPECT_EQ(model.Level(docs), 1u);
    EXPECT_EQ(model.Level(notes), 2u);
    EXPECT_EQ(model.ChildCount(root), 3u);
    EXPECT_EQ(model.ChildCount(notes), 0u);
    EXPECT_EQ(model.Child(root, 2), zero);
    EXPECT_EQ(model.Name(aTxt), u"a.txt");
    EXPECT_EQ(model.Name(root), u"C:");
    EXPECT_TRUE(model.IsFolder(notes));
    EXPECT_FALSE(model.IsFolder(big));
    EXPECT_EQ(model.Attributes(aTxt), kFile);
    EXPECT_EQ(model.SizeOf(root), 400);
    EXPECT_EQ(model.SizeOf(docs), 300);

    EXPECT_TRUE(model.IsBelow(notes, root));
    EXPECT_TRUE(model.IsBelow(notes, docs));
    EXPECT_FALSE(model.IsBelow(docs, docs));
    EXPECT_FALSE(model.IsBelow(aTxt, docs));
    EXPECT_FALSE(model.IsBelow(root, notes));
}

TEST_F(SmallTree, WalksInTheCurrentDisplayOrder) {
    // The initial sort: size, largest first; equal sizes keep the enumeration order.
    EXPECT_EQ(Walk(false), (std::vector<std::u16string>{u"C:", u"docs", u"big.bin", u"notes",
                                                        u"a.txt", u"zero"}));
    model.SetSort({SortColumn::Name, true});
    EXPECT_EQ(Walk(false), (std::vector<std::u16string>{u"C:", u"a.txt", u"docs", u"big.bin",
                                                        u"notes", u"zero"}));
    EXPECT_EQ(model.DisplayPosition(docs), 1u);
    EXPECT_EQ(model.DisplayChild(root, 2), zero);
    model.SetSort({SortColumn::Size, true});
    EXPECT_EQ(Walk(false), (std::vector<std::u16string>{u"C:", u"zero", u"a.txt", u"docs", u"notes",
                                                        u"big.bin"}));
}

TEST_F(SmallTree, VisibleWalkSkipsCollapsedFolders) {
    EXPECT_EQ(Walk(true), std::vector<std::u16string>{u"C:"});
    model.SetFlag(root, kNodeExpanded, true);
    EXPECT_EQ(Walk(true), (std::vector<std::u16string>{u"C:", u"docs", u"a.txt", u"zero"}));
    model.SetFlag(docs, kNodeExpanded, true);
    EXPECT_EQ(Walk(true).size(), 6u);
    EXPECT_TRUE(model.HasFlag(docs, kNodeExpanded));
    model.SetFlag(docs, kNodeExpanded, false);
    EXPECT_FALSE(model.HasFlag(docs, kNodeExpanded));
    EXPECT_FALSE(model.HasFlag(docs, kNodeUnreadable));
}

TEST_F(SmallTree, DisplayOrderFollowsLaterSizeChanges) {
    EXPECT_EQ(model.DisplayChild(root, 0), docs);
    model.AddSize(aTxt, 1000);
    EXPECT_EQ(model.DisplayChild(root, 0), aTxt);
    EXPECT_EQ(model.SizeOf(root), 1400);
}

// Children named in the given order, displayed in the given sort.
std::vector<std::u16string> Displayed(std::vector<std::u16string> names, SortOrder order) {
    test::FakeGbk gbk;
    TreeModel model(gbk);
    const NodeIndex root = model.AddRoot(u"R", kFolder);
    std::vector<NewNode> nodes;
    for (const auto& name : names) nodes.push_back({name, kFile, name.size(), 0});
    model.AppendChildren(root, nodes);
    model.SetSort(order);
    std::vector<std::u16string> shown;
    for (uint32_t i = 0; i < model.ChildCount(root); ++i)
        shown.emplace_back(model.Name(model.DisplayChild(root, i)));
    return shown;
}

TEST(NameOrder, FoldsOnlyAsciiLettersAndBreaksTiesByText) {
    const std::vector<std::u16string> names = {u"_a", u"b", u"a", u"B_", u"A"};
    // "_" (0x5F) sorts after the folded letters; "A" and "a" fold alike, the text decides.
    EXPECT_EQ(Displayed(names, {SortColumn::Name, true}),
              (std::vector<std::u16string>{u"A", u"a", u"b", u"B_", u"_a"}));
    EXPECT_EQ(Displayed(names, {SortColumn::Name, false}),
              (std::vector<std::u16string>{u"_a", u"B_", u"b", u"a", u"A"}));
}

TEST(NameOrder, UsesTheCodePageBytes) {
    // GBK order is pinyin order; UTF-16 order would differ. Names the code page lacks turn
    // into "?" (0x3F, before the letters) and are ordered among themselves by their text.
    const std::vector<std::u16string> names = {u"中", u"Я", u"阿", u"王", u"ب",
                                               u"文", u"Ж", u"张", u"李", u"x"};
    EXPECT_EQ(Displayed(names, {SortColumn::Name, true}),
              (std::vector<std::u16string>{u"Ж", u"Я", u"ب", u"x", u"阿", u"李", u"王", u"文",
                                           u"张", u"中"}));
}

TEST(SizeOrder, EqualSizesKeepTheEnumerationOrderBothWays) {
    const std::vector<std::u16string> names = {u"bb", u"a", u"cc", u"ddd", u"e"};
    EXPECT_EQ(Displayed(names, {SortColumn::Size, true}),
              (std::vector<std::u16string>{u"a", u"e", u"bb", u"cc", u"ddd"}));
    EXPECT_EQ(Displayed(names, {SortColumn::Size, false}),
              (std::vector<std::u16string>{u"ddd", u"bb", u"cc", u"a", u"e"}));
}

TEST(NodeRecord, RoundTripsNameSizeAndAttributes) {
    test::FakeGbk gbk;
    TreeModel model(gbk);
    const NodeIndex root = model.AddRoot(u"D:\\Data", kFolder);
    const NewNode child[] = {{u"中文 file.txt", kFile | 0x2, 0, 0}};
    const NodeIndex file = model.AppendChildren(root, child);
    model.AddSize(file, 4294967296ull + 7);

    const EntryRecord record = MakeEntryRecord(model, file, gbk);
    EXPECT_EQ(record.dwFileAttributes, kFile | 0x2);
    EXPECT_EQ(record.nFileSizeHigh, 1u);
    EXPECT_EQ(record.nFileSizeLow, 7u);
    EXPECT_STREQ(record.cFileName, "\xD6\xD0\xCE\xC4 file.txt");
    const RecordNode back = ReadEntryRecord(DecodeEntryRecord(EncodeEntryRecord(record)), gbk);
    EXPECT_EQ(back.name, u"中文 file.txt");
    EXPECT_EQ(back.attributes, kFile | 0x2);
    EXPECT_EQ(back.size, 4294967303ull);

    const EntryRecord rootRecord = MakeEntryRecord(model, root, gbk);
    EXPECT_EQ(rootRecord.dwFileAttributes, 0x10u);
    EXPECT_STREQ(rootRecord.cFileName, "D:\\Data");
}

TEST(NodeRecord, LongNamesStopAtAWholeCharacterWithin259Bytes) {
    test::FakeGbk gbk;
    struct Case {
        std::u16string name;
        size_t bytes;
    };
    const Case cases[] = {{std::u16string(300, u'x'), 259},
                          {std::u16string(130, u'中'), 258},
                          {u"x" + std::u16string(129, u'中'), 259}};
    for (const Case& c : cases) {
        TreeModel model(gbk);
        model.AddRoot(c.name, kFolder);
        const EntryRecord record = MakeEntryRecord(model, 0, gbk);
        EXPECT_EQ(std::string(record.cFileName).size(), c.bytes);
        const RecordNode back = ReadEntryRecord(record, gbk);
        EXPECT_EQ(back.name, c.name.substr(0, back.name.size()));
    }
}

}  // namespace
}  // namespace spandle
