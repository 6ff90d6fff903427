#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fake_code_page.h"
#include "scan/TreeModel.h"
#include "views/ModelRows.h"
#include "widgets/VisibleRows.h"

namespace {

using spandle::NodeIndex;
using widgets::kNoRow;
using widgets::VisibleRows;

constexpr uint32_t kFolder = 0x10;

// A tree of random shape: folders of 0 to 6 entries, down to five levels.
void Grow(spandle::TreeModel& model, NodeIndex folder, int depth, std::mt19937& random) {
    const int n = static_cast<int>(random() % 7);
    std::vector<std::u16string> names;
    std::vector<spandle::NewNode> children;
    for (int i = 0; i < n; ++i)
        names.push_back({u'n', static_cast<char16_t>(u'a' + random() % 26)});
    for (int i = 0; i < n; ++i) {
        const bool isFolder = depth < 5 && random() % 2 == 0;
        children.push_back({names[i], isFolder ? kFolder : 0u, 0, 0});
    }
    const NodeIndex first = model.AppendChildren(folder, children);
    for (int i = 0; i < n; ++i) {
        if (children[i].attributes == kFolder)
            Grow(model, first + i, depth + 1, random);
        else
            model.AddSize(first + i, random() % 1000);
    }
}

// What the grid must show: the model's own walk over the expanded folders.
std::vector<NodeIndex> Expected(const spandle::TreeModel& model) {
    std::vector<NodeIndex> rows;
    for (NodeIndex n = model.Root(); n != spandle::kNoNode; n = model.NextVisible(n))
        rows.push_back(n);
    return rows;
}

void ExpectSame(const VisibleRows& visible, const spandle::TreeModel& model) {
    const std::vector<NodeIndex> rows = Expected(model);
    ASSERT_EQ(visible.Count(), rows.size());
    for (uint32_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(visible.At(i), rows[i]) << "row " << i;
        ASSERT_EQ(visible.IndexOf(rows[i]), i);
    }
    EXPECT_EQ(visible.At(static_cast<uint32_t>(rows.size())), kNoRow);
    for (NodeIndex n = 0; n < model.Count(); ++n) {
        const bool shown = std::find(rows.begin(), rows.end(), n) != rows.end();
        ASSERT_EQ(visible.IndexOf(n) != VisibleRows::kNotVisible, shown) << "node " << n;
    }
}

class VisibleRowsTest : public ::testing::Test {
  protected:
    spandle::test::FakeGbk gbk;
    spandle::TreeModel model{gbk};
    views::ModelRows rows{model};
    VisibleRows visible{rows};
};

// Random expands, collapses, whole-branch expands and collapses and sort changes, each
// checked against the model's own walk, row for row.
TEST_F(VisibleRowsTest, MatchesTheModelsWalkThroughRandomChanges) {
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 random(seed);
        model.Clear();
        visible.Reset();
        Grow(model, model.AddRoot(u"R", kFolder), 0, random);
        ExpectSame(visible, model);
        for (int step = 0; step < 60; ++step) {
            const NodeIndex n = random() % model.Count();
            switch (random() % 10) {
                case 0:
                    visible.ExpandAll(random() % 4 == 0 ? kNoRow : n);
                    break;
                case 1:
                    visible.CollapseAll(random() % 4 == 0 ? kNoRow : n);
                    break;
                case 2:
                    model.SetSort(
                        {random() % 2 ? spandle::SortColumn::Name : spandle::SortColumn::Size,
                         random() % 2 == 0});
                    visible.OrderChanged();
                    break;
                default:
                    visible.SetExpanded(n, !model.HasFlag(n, spandle::kNodeExpanded));
            }
            ASSERT_NO_FATAL_FAILURE(ExpectSame(visible, model))
                << "seed " << seed << " step " << step;
        }
    }
}

TEST_F(VisibleRowsTest, CollapsedFoldersKeepTheExpandedStateBelowThem) {
    const NodeIndex root = model.AddRoot(u"R", kFolder);
    const spandle::NewNode top[] = {{u"a", kFolder, 0, 0}, {u"b", 0, 0, 0}};
    const NodeIndex a = model.AppendChildren(root, top);
    const spandle::NewNode inA[] = {{u"x", 0, 0, 0}, {u"y", 0, 0, 0}};
    model.AppendChildren(a, inA);
    visible.SetExpanded(root, true);
    visible.SetExpanded(a, true);
    EXPECT_EQ(visible.Count(), 5u);
    visible.SetExpanded(root, false);
    EXPECT_EQ(visible.Count(), 1u);
    EXPECT_TRUE(model.HasFlag(a, spandle::kNodeExpanded));
    visible.SetExpanded(root, true);
    EXPECT_EQ(visible.Count(), 5u);
    // A file never expands.
    visible.SetExpanded(a + 1, true);
    EXPECT_FALSE(model.HasFlag(a + 1, spandle::kNodeExpanded));
}

// A million siblings with a few expanded among them: the entries stay a few links long.
TEST_F(VisibleRowsTest, MemoryFollowsTheExpandedFoldersNotTheRows) {
    const NodeIndex root = model.AddRoot(u"R", kFolder);
    std::vector<spandle::NewNode> many(1000000, {u"f", kFolder, 0, 0});
    const NodeIndex first = model.AppendChildren(root, many);
    const spandle::NewNode one[] = {{u"x", 0, 0, 0}};
    for (int i = 0; i < 3; ++i) model.AppendChildren(first + i * 1000, one);
    visible.SetExpanded(root, true);
    for (int i = 0; i < 3; ++i) visible.SetExpanded(first + i * 1000, true);
    EXPECT_EQ(visible.Count(), 1000004u);
    EXPECT_LT(visible.MemoryBytes(), 1000u);
}

}  // namespace
