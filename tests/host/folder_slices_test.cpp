// Which of a folder's children get a slice of their own, and what the rest slice holds.
#include <gtest/gtest.h>

#include <vector>

#include "fake_code_page.h"
#include "scan/TreeModel.h"
#include "views/FolderSlices.h"

namespace views {
namespace {

constexpr uint32_t kFolder = 0x10, kFile = 0x20;
const wchar_t kRest[] = L"所有<5%合集";

struct Slice {
    spandle::Size size;
    std::wstring label;
    bool operator==(const Slice&) const = default;
};

void PrintTo(const Slice& s, std::ostream* os) {
    *os << s.size;
}

// A folder whose direct children hold the given sizes, named a, b, c ... in that order.
class Folder : public ::testing::Test {
  protected:
    spandle::NodeIndex Make(const std::vector<uint64_t>& sizes) {
        const spandle::NodeIndex root = model.AddRoot(u"C:\\data", kFolder);
        std::vector<std::u16string> names;
        for (size_t i = 0; i < sizes.size(); ++i)
            names.emplace_back(1, static_cast<char16_t>(u'a' + i));
        std::vector<spandle::NewNode> children;
        for (size_t i = 0; i < sizes.size(); ++i) children.push_back({names[i], kFile, 0, 0});
        if (children.empty()) return root;
        const spandle::NodeIndex first = model.AppendChildren(root, children);
        for (size_t i = 0; i < sizes.size(); ++i) model.AddSize(first + i, sizes[i]);
        return root;
    }
    std::vector<Slice> SlicesOf(spandle::NodeIndex folder) {
        std::vector<Slice> out;
        for (const FolderSlice& s : FolderSlices(model, folder, kRest, {}))
            out.push_back({s.size, s.label});
        return out;
    }

    spandle::test::FakeGbk gbk;
    spandle::TreeModel model{gbk};
};

TEST_F(Folder, ChildrenOfExactlyFivePercentGoIntoTheRest) {
    const std::vector<Slice> expected = {
        {600, L"a\r600Byte"}, {300, L"c\r300Byte"}, {100, L"所有<5%合集\r100Byte"}};
    EXPECT_EQ(SlicesOf(Make({600, 50, 300, 50})), expected);
}

TEST_F(Folder, SlicesKeepTheScanOrderNotTheSizeOrder) {
    model.SetSort({spandle::SortColumn::Size, false});
    const auto slices = SlicesOf(Make({100, 500, 400}));
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].size, 100);
    EXPECT_EQ(slices[1].size, 500);
    EXPECT_EQ(slices[2].size, 400);  // no rest: every child is above 5 %
}

TEST_F(Folder, AllSmallChildrenMakeOneRestSliceOfTheWhole) {
    const std::vector<uint64_t> twenty(20, 1024);  // each exactly 5 %
    EXPECT_EQ(SlicesOf(Make(twenty)), (std::vector<Slice>{{20480, L"所有<5%合集\r20KB"}}));
}

TEST_F(Folder, AnEmptyFolderOrNoNodeHasNoSlices) {
    EXPECT_TRUE(SlicesOf(spandle::kNoNode).empty());
    EXPECT_TRUE(SlicesOf(Make({0, 0})).empty());
}

TEST_F(Folder, TheThresholdIsExactForHugeSizes) {
    // 20 * size would overflow; the test must still see 5 % + 1 byte as more than 5 %.
    const uint64_t total = 20 * (uint64_t{1} << 58);
    const uint64_t fivePercent = total / 20;
    const auto slices = SlicesOf(Make({fivePercent + 1, fivePercent, total - 2 * fivePercent - 1}));
    ASSERT_EQ(slices.size(), 3u);
    EXPECT_EQ(slices[0].size, static_cast<spandle::Size>(fivePercent + 1));
    EXPECT_EQ(slices[2].size, static_cast<spandle::Size>(fivePercent));  // the rest
}

TEST_F(Folder, ASubfolderCountsWithItsWholeTotal) {
    const spandle::NodeIndex root = model.AddRoot(u"C:\\data", kFolder);
    const spandle::NewNode top[] = {{u"sub", kFolder, 0, 0}, {u"a.bin", kFile, 0, 0}};
    const spandle::NodeIndex sub = model.AppendChildren(root, top);
    const spandle::NewNode inner[] = {{u"x", kFile, 0, 0}, {u"y", kFile, 0, 0}};
    const spandle::NodeIndex x = model.AppendChildren(sub, inner);
    model.AddSize(x, 3000);
    model.AddSize(x + 1, 1000);
    model.AddSize(sub + 1, 4000);
    EXPECT_EQ(SlicesOf(root), (std::vector<Slice>{{4000, L"sub\r4KB"}, {4000, L"a.bin\r4KB"}}));
}

}  // namespace
}  // namespace views
