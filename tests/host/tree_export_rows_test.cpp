#include <gtest/gtest.h>

#include "commands/TreeExportRows.h"
#include "fake_code_page.h"

namespace commands {
namespace {

TEST(TreeExportRows, EveryNodeInDisplayOrderWithItsDepthAndTheGivenColumnsOnly) {
    spandle::test::FakeGbk gbk;
    spandle::TreeModel model(gbk);
    const auto root = model.AddRoot(u"D:\\数据", 0x10);
    const spandle::NewNode top[] = {{u"small", 0x20}, {u"folder", 0x10}};
    const auto small = model.AppendChildren(root, top);
    const spandle::NewNode inFolder[] = {{u"inside.bin", 0x20}};
    model.AddSize(model.AppendChildren(small + 1, inFolder), 500);
    model.AddSize(small, 7);  // nothing is expanded; sorted by size, largest first

    std::vector<int> asked;
    TreeExportRows rows(model, {{5, u"总%"}, {0, u"名称"}},
                        [&](spandle::NodeIndex node, int column, std::u16string& text) {
                            asked.push_back(column);
                            text = column == 0 ? std::u16string(model.Name(node)) : u"x";
                        });
    EXPECT_EQ(rows.Columns().size(), 2u);
    std::vector<std::pair<uint32_t, std::vector<std::u16string>>> read;
    uint32_t depth;
    std::vector<std::u16string> cells;
    while (rows.Next(depth, cells)) read.emplace_back(depth, cells);
    const decltype(read) expected = {{0, {u"x", u"D:\\数据"}},
                                     {1, {u"x", u"folder"}},
                                     {2, {u"x", u"inside.bin"}},
                                     {1, {u"x", u"small"}}};
    EXPECT_EQ(read, expected);
    EXPECT_EQ(asked, (std::vector<int>{5, 0, 5, 0, 5, 0, 5, 0}));
}

}  // namespace
}  // namespace commands
