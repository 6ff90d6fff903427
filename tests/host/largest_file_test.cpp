#include <gtest/gtest.h>

#include "commands/LargestFile.h"
#include "fake_code_page.h"

namespace commands {
namespace {

using spandle::kNoNode;
using spandle::NodeIndex;

// D:
//   a\        a1.bin 50, deep\ big1.bin 900
//   b\        big2.bin 900
//   c.txt     900
//   empty\    z0 (0 bytes), sub\ (empty)
//   f.txt     10
// No folder is expanded: the search does not care.
class LargestFile : public ::testing::Test {
  protected:
    void SetUp() override {
        const NodeIndex root = model.AddRoot(u"D:", 0x10);
        const spandle::NewNode top[] = {
            {u"a", 0x10}, {u"b", 0x10}, {u"c.txt", 0x20}, {u"empty", 0x10}, {u"f.txt", 0x20}};
        const NodeIndex a = model.AppendChildren(root, top);
        const spandle::NewNode inA[] = {{u"a1.bin", 0x20}, {u"deep", 0x10}};
        const NodeIndex a1 = model.AppendChildren(a, inA);
        const spandle::NewNode inDeep[] = {{u"big1.bin", 0x20}};
        const spandle::NewNode inB[] = {{u"big2.bin", 0x20}};
        const spandle::NewNode inEmpty[] = {{u"z0", 0x20}, {u"sub", 0x10}};
        model.AppendChildren(a + 3, inEmpty);
        for (auto [node, size] : {std::pair{a1, 50},
                                  {model.AppendChildren(a1 + 1, inDeep), 900},
                                  {model.AppendChildren(a + 1, inB), 900},
                                  {a + 2, 900},
                                  {a + 4, 10}})
            model.AddSize(node, size);
    }
    NodeIndex Find(std::u16string_view path) const {
        NodeIndex n = model.Root();
        while (n != kNoNode && !path.empty()) {
            const size_t slash = path.find(u'/');
            const std::u16string_view name = path.substr(0, slash);
            path = slash == path.npos ? u"" : path.substr(slash + 1);
            NodeIndex match = kNoNode;
            for (uint32_t i = 0; i < model.ChildCount(n); ++i)
                if (model.Name(model.Child(n, i)) == name) match = model.Child(n, i);
            n = match;
        }
        return n;
    }
    std::u16string NameOfLargest(std::u16string_view folder) const {
        const NodeIndex found = FindLargestFile(model, Find(folder));
        return found == kNoNode ? u"(none)" : std::u16string(model.Name(found));
    }

    spandle::test::FakeGbk gbk;
    spandle::TreeModel model{gbk};
};

TEST_F(LargestFile, FirstOfTheLargestInTreeOrderInsideCollapsedFolders) {
    model.SetSort({spandle::SortColumn::Name, true});
    EXPECT_EQ(NameOfLargest(u""), u"big1.bin");
    model.SetSort({spandle::SortColumn::Name, false});  // the order of siblings decides ties
    EXPECT_EQ(NameOfLargest(u""), u"c.txt");
    EXPECT_EQ(NameOfLargest(u"b"), u"big2.bin");  // stays inside the folder
    EXPECT_EQ(NameOfLargest(u"a"), u"big1.bin");
}

TEST_F(LargestFile, NothingForAFileRowEmptyFilesOrNoRow) {
    EXPECT_EQ(NameOfLargest(u"c.txt"), u"(none)");
    EXPECT_EQ(NameOfLargest(u"empty"), u"(none)");
    EXPECT_EQ(NameOfLargest(u"empty/sub"), u"(none)");
    EXPECT_EQ(FindLargestFile(model, kNoNode), kNoNode);
}

}  // namespace
}  // namespace commands
