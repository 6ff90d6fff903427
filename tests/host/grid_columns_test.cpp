#include <gtest/gtest.h>

#include <vector>

#include "widgets/GridColumns.h"

namespace widgets {
namespace {

class GridColumnsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int width : {200, 100, 60}) columns.Add({L"", width});
        columns.Add({L"bar", 206, Alignment::Left, 206, 206});
    }
    GridColumns columns;
};

TEST_F(GridColumnsTest, WidthsStayWithinTheirLimits) {
    EXPECT_EQ(columns.SetWidth(3, 50), 206);
    EXPECT_EQ(columns.SetWidth(3, 500), 206);
    EXPECT_EQ(columns.SetWidth(1, -5), 0);
    EXPECT_EQ(columns.SetWidth(1, 150), 150);
}

TEST_F(GridColumnsTest, HiddenColumnsTakeNoPlaceAndKeepTheirIndex) {
    columns.SetOptions(1, kColumnHidden);
    EXPECT_EQ(columns.VisibleOrder(), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(columns.Left(2), 200);
    EXPECT_EQ(columns.Left(1), -1);
    EXPECT_EQ(columns.TotalWidth(), 466);
    EXPECT_EQ(columns.ColumnAt(199), 0);
    EXPECT_EQ(columns.ColumnAt(200), 2);
    EXPECT_EQ(columns.ColumnAt(466), -1);
    EXPECT_EQ(columns.DividerAt(201, 3), 0);
    EXPECT_EQ(columns.DividerAt(230, 3), -1);
    columns.SetOptions(1, kColumnShown);
    EXPECT_EQ(columns.Left(2), 300);
}

TEST_F(GridColumnsTest, MovingChangesOnlyTheDisplayOrder) {
    columns.Move(3, 0);
    EXPECT_EQ(columns.Order(), (std::vector<int>{3, 0, 1, 2}));
    columns.Move(3, 4);
    EXPECT_EQ(columns.Order(), (std::vector<int>{0, 1, 2, 3}));
    columns.Move(0, 2);  // dropped before column 2
    EXPECT_EQ(columns.Order(), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(columns.Left(0), 100);
    // Dropped over the left half of a column lands before it, over its right half after.
    EXPECT_EQ(columns.DropPlaceAt(10), 0);
    EXPECT_EQ(columns.DropPlaceAt(60), 1);
    EXPECT_EQ(columns.DropPlaceAt(10000), 4);
}

}  // namespace
}  // namespace widgets
