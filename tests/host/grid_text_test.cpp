#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_code_page.h"
#include "scan/TreeModel.h"
#include "views/GridText.h"

namespace views {
namespace {

using spandle::NodeIndex;
constexpr uint32_t kFolder = 0x10;

// D:\Data          200000
//   Sub\           199200
//     a.txt        24690  (12.394 % of Sub, 12.345 % of the total)
//     empty\           0
//       zero.bin       0
//     rest.bin    174510
//   tiny.bin         800  (0.4 %)
//   zero.txt           0
class GridTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = model.AddRoot(u"D:\\Data", kFolder);
        const spandle::NewNode top[] = {
            {u"Sub", kFolder, 0, 0}, {u"tiny.bin", 0, 0, 0}, {u"zero.txt", 0, 0, 0}};
        sub = model.AppendChildren(root, top);
        tiny = sub + 1;
        zero = sub + 2;
        const spandle::NewNode inSub[] = {
            {u"a.txt", 0, 0, 0}, {u"empty", kFolder, 0, 0}, {u"rest.bin", 0, 0, 0}};
        a = model.AppendChildren(sub, inSub);
        empty = a + 1;
        const spandle::NewNode inEmpty[] = {{u"zero.bin", 0, 0, 0}};
        zeroInEmpty = model.AppendChildren(empty, inEmpty);
        model.AddSize(a, 24690);
        model.AddSize(a + 2, 174510);
        model.AddSize(tiny, 800);
    }
    std::vector<std::wstring> Row(NodeIndex node) const {
        std::vector<std::wstring> texts;
        for (int c = 0; c < kGridColumnCount; ++c)
            texts.push_back(CellText(model, node, c, separators));
        return texts;
    }

    spandle::test::FakeGbk gbk;
    spandle::TreeModel model{gbk};
    spandle::NumberSeparators separators{L" ", L","};  // a regional setting unlike the default
    NodeIndex root, sub, tiny, zero, a, empty, zeroInEmpty;
};

TEST_F(GridTextTest, CellTextsOfEveryKindOfRow) {
    using Texts = std::vector<std::wstring>;
    EXPECT_EQ(Row(root), (Texts{L"D:\\Data", L"200 000", L"195KB", L"", L"", L"", L""}));
    EXPECT_EQ(Row(sub), (Texts{L"Sub", L"199 200", L"195KB", L"99,60%", L"", L"99,60%", L""}));
    EXPECT_EQ(Row(a), (Texts{L"a.txt", L"24 690", L"24KB", L"12,39%", L"", L"12,35%", L""}));
    EXPECT_EQ(Row(tiny), (Texts{L"tiny.bin", L"800", L"800Byte", L"0,40%", L"", L"0,40%", L""}));
    EXPECT_EQ(Row(zero), (Texts{L"zero.txt", L"", L"0Byte", L"0,00%", L"", L"0,00%", L""}));
    // Below a folder of 0 bytes the folder share has no reference.
    EXPECT_EQ(Row(zeroInEmpty)[kColumnFolderShare], L"- %");
    EXPECT_EQ(Row(zeroInEmpty)[kColumnTotalShare], L"0,00%");
    EXPECT_EQ(CellText(model, spandle::kNoNode, 0, separators), L"");
}

TEST_F(GridTextTest, AnEmptyAnalysisShowsNoTotalShare) {
    spandle::TreeModel empty{gbk};
    const NodeIndex r = empty.AddRoot(u"C:", kFolder);
    const spandle::NewNode one[] = {{u"x", 0, 0, 0}};
    const NodeIndex x = empty.AppendChildren(r, one);
    EXPECT_EQ(CellText(empty, x, kColumnFolderShare, separators), L"- %");
    EXPECT_EQ(CellText(empty, x, kColumnTotalShare, separators), L"- %");
    EXPECT_EQ(BarOf(empty, x, kColumnTotalBar)->width, 0);
}

TEST_F(GridTextTest, BarsHalfAPercentAPixelColouredByLevel) {
    EXPECT_FALSE(BarOf(model, root, kColumnFolderBar));
    EXPECT_FALSE(BarOf(model, root, kColumnTotalBar));
    EXPECT_FALSE(BarOf(model, a, kColumnFolderShare));
    struct Case {
        NodeIndex node;
        int column, width;
        widgets::Colour colour;
    };
    const Case cases[] = {
        {sub, kColumnFolderBar, 199, widgets::Rgb(255, 0, 0)},
        {a, kColumnFolderBar, 24, widgets::Rgb(0, 128, 0)},   // 12.394 %, level 2
        {a, kColumnTotalBar, 24, widgets::Rgb(255, 0, 0)},    // 12.345 %
        {tiny, kColumnTotalBar, 0, widgets::Rgb(255, 0, 0)},  // 0.4 %: 400 / 500 truncates
        {zeroInEmpty, kColumnFolderBar, 0, widgets::Rgb(0, 0, 255)},
    };
    for (const Case& c : cases) {
        const auto bar = BarOf(model, c.node, c.column);
        ASSERT_TRUE(bar) << c.node;
        EXPECT_EQ(bar->width, c.width) << c.node << " column " << c.column;
        EXPECT_EQ(bar->colour, c.colour) << c.node;
    }
    spandle::TreeModel whole{gbk};
    const NodeIndex r = whole.AddRoot(u"R", kFolder);
    const spandle::NewNode only[] = {{u"all", 0, 0, 0}};
    const NodeIndex all = whole.AppendChildren(r, only);
    whole.AddSize(all, 5);
    EXPECT_EQ(BarOf(whole, all, kColumnFolderBar)->width, 200);
    EXPECT_EQ(BarOf(whole, all, kColumnTotalBar)->width, 200);
}

TEST(LevelColours, CycleThroughTwentyEntries) {
    EXPECT_EQ(LevelColour(1), widgets::Rgb(255, 0, 0));
    EXPECT_EQ(LevelColour(2), widgets::Rgb(0, 128, 0));
    EXPECT_EQ(LevelColour(19), widgets::Rgb(192, 192, 192));
    EXPECT_EQ(LevelColour(20), widgets::Rgb(0, 0, 0));
    EXPECT_EQ(LevelColour(21), widgets::Rgb(255, 0, 0));
    EXPECT_EQ(LevelColour(41), widgets::Rgb(255, 0, 0));
}

TEST_F(GridTextTest, NodePathsAndStatusTexts) {
    EXPECT_EQ(NodePath(model, root), L"D:\\Data\\");
    EXPECT_EQ(NodePath(model, zeroInEmpty), L"D:\\Data\\Sub\\empty\\zero.bin\\");
    EXPECT_EQ(StatusText(model, zeroInEmpty), L"D:\\Data\\Sub\\empty\\zero.bin");
    EXPECT_EQ(StatusText(model, root), L"D:\\Data");
    EXPECT_EQ(NodePath(model, spandle::kNoNode), L"\\");
    EXPECT_EQ(StatusText(model, spandle::kNoNode), L"");
    spandle::TreeModel drive{gbk};
    EXPECT_EQ(StatusText(drive, drive.AddRoot(u"C:", kFolder)), L"C:");
}

TEST(CompareNames, FoldOnlyAsciiLettersAndCompareCodePageBytes) {
    spandle::test::FakeGbk gbk;
    EXPECT_EQ(CompareNames(gbk, u"A", u"a"), 0);
    EXPECT_EQ(CompareNames(gbk, u"_a", u"A"), 0x5F - 0x41);
    EXPECT_GT(CompareNames(gbk, u"_a", u"a"), 0);
    EXPECT_LT(CompareNames(gbk, u"ab", u"abc"), 0);
    EXPECT_EQ(CompareNames(gbk, u"ab", u"abc"), -'C');
    // GBK bytes: 阿 B0A2 < 李 C0EE < 张 D5C5, pinyin order; above every ASCII byte.
    EXPECT_LT(CompareNames(gbk, u"阿", u"李"), 0);
    EXPECT_LT(CompareNames(gbk, u"李", u"张"), 0);
    EXPECT_GT(CompareNames(gbk, u"阿", u"z"), 0);
}

// The grid's sort is the model's display order: it must agree with the comparison.
TEST_F(GridTextTest, TheModelsOrderAgreesWithTheComparison) {
    spandle::TreeModel names{gbk};
    const NodeIndex r = names.AddRoot(u"R", kFolder);
    // Long names share more than the 16 bytes the sort keeps beside each place.
    const std::u16string list[] = {u"_a",
                                   u"张",
                                   u"a_long_common_prefix_x",
                                   u"a",
                                   u"阿",
                                   u"A",
                                   u"A_LONG_COMMON_PREFIX_W",
                                   u"李",
                                   u"a_long_common_prefix",
                                   u"b"};
    constexpr uint32_t n = std::size(list);
    std::vector<spandle::NewNode> children;
    for (const auto& n : list) children.push_back({n, 0, 0, 0});
    const NodeIndex first = names.AppendChildren(r, children);
    for (uint32_t i = 0; i < n; ++i) names.AddSize(first + i, (i * 37) % 11);
    for (int column : {0, 1}) {
        for (bool ascending : {true, false}) {
            names.SetSort({static_cast<spandle::SortColumn>(column), ascending});
            for (uint32_t i = 0; i + 1 < n; ++i) {
                const int c = CompareNodes(names, gbk, names.DisplayChild(r, i),
                                           names.DisplayChild(r, i + 1), column);
                EXPECT_TRUE(ascending ? c <= 0 : c >= 0) << column << " " << i;
            }
        }
    }
    names.SetSort({spandle::SortColumn::Name, true});
    std::u16string order;
    for (uint32_t i = 0; i < n; ++i) (order += names.Name(names.DisplayChild(r, i))) += u" ";
    EXPECT_EQ(order,
              u"A a a_long_common_prefix A_LONG_COMMON_PREFIX_W a_long_common_prefix_x b _a 阿 李 "
              u"张 ");  // A and a tie; the UTF-16 text decides
    EXPECT_EQ(CompareNodes(names, gbk, first, first + 1, kColumnSizeText), 0);
}

TEST(HeaderClicks, SortTheNameAndSizeColumnsOnly) {
    SortState s;  // size, descending
    const std::pair<int, SortState> clicks[] = {
        {0, {0, true}}, {0, {0, false}}, {1, {1, true}}, {2, {1, false}}, {5, {1, false}}};
    for (const auto& [header, expected] : clicks) {
        if (auto next = AfterHeaderClick(header, s)) s = *next;
        EXPECT_EQ(s, expected) << "header " << header;
    }
    EXPECT_FALSE(AfterHeaderClick(3, s));
    EXPECT_FALSE(AfterHeaderClick(6, s));
}

}  // namespace
}  // namespace views
