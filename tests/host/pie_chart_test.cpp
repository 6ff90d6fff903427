// The pie's model (colours, mark texts) and its layout (slice angles, mark placement).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "widgets/PieLayout.h"
#include "widgets/PieModel.h"

namespace widgets {
namespace {

TEST(PieModel, AutomaticColoursFollowThePaletteAndGivenColoursStay) {
    PieModel model;
    model.Add(1, L"a");
    model.Add(1, L"b", Rgb(0, 0, 255));
    model.Add(1, L"c");
    EXPECT_EQ(model.Slice(0).colour, PaletteColour(0));
    EXPECT_EQ(model.Slice(1).colour, Rgb(0, 0, 255));
    EXPECT_EQ(model.Slice(2).colour, PaletteColour(2));
    EXPECT_NE(PaletteColour(0), PaletteColour(1));
}

TEST(PieModel, MarkTexts) {
    PieModel model;
    model.Add(60, L"docs\r60Byte");
    model.Add(40, L"");
    model.Add(-1, L"never");
    EXPECT_EQ(model.MarkText(0), L"docs\r60Byte 60 %");
    model.markStyle = MarkStyle::Percent;
    EXPECT_EQ(model.MarkText(0), L"60 %");
    EXPECT_EQ(model.MarkText(1), L"40 %");
    EXPECT_EQ(model.MarkText(2), L"0 %");  // a negative value takes no share
}

TEST(PieModel, PercentFormats) {
    struct Case {
        double part, whole;
        int decimals;
        const wchar_t* text;
    };
    const Case cases[] = {
        {1, 3, 0, L"33 %"},   {2, 3, 0, L"67 %"},    {1, 8, 0, L"13 %"},  // 12.5 rounds up
        {1, 3, 1, L"33,3 %"}, {1, 40, 2, L"2,50 %"}, {1, 1, 1, L"100,0 %"},
        {5, 0, 0, L"0 %"},    {0, 7, 0, L"0 %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatPercent(c.part, c.whole, {c.decimals, L","}), c.text)
            << c.part << "/" << c.whole << " with " << c.decimals;
}

bool Overlap(const RectF& a, const RectF& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

double DistanceToBox(PointF p, const RectF& r) {
    const double dx = std::max({r.left - p.x, 0.0, p.x - r.Right()});
    const double dy = std::max({r.top - p.y, 0.0, p.y - r.Bottom()});
    return std::sqrt(dx * dx + dy * dy);
}

// No two marks overlap, none covers the circle, all lie inside the bounds, and each
// mark's line starts on its own slice.
void ExpectReadable(const PieLayoutInput& in, const PieGeometry& g) {
    size_t positive = 0;
    for (double v : in.values) positive += v > 0;
    ASSERT_EQ(g.marks.size(), positive);
    const RectF& b = in.bounds;
    for (size_t i = 0; i < g.marks.size(); ++i) {
        const MarkPlace& m = g.marks[i];
        EXPECT_GE(m.box.left, b.left) << i;
        EXPECT_GE(m.box.top, b.top) << i;
        EXPECT_LE(m.box.Right(), b.Right() + 0.5) << i;
        EXPECT_LE(m.box.Bottom(), b.Bottom()) << i;
        EXPECT_GT(DistanceToBox(g.centre, m.box), g.radius) << i;
        EXPECT_NEAR(std::hypot(m.edge.x - g.centre.x, m.edge.y - g.centre.y), g.radius, 1e-6);
        const double a =
            std::atan2(m.edge.y - g.centre.y, m.edge.x - g.centre.x) * 180 / 3.14159265358979323846;
        const SliceArc& arc = g.arcs[m.slice];
        EXPECT_NEAR(std::remainder(a - arc.Middle(), 360.0), 0, 1e-6) << i;
        for (size_t j = i + 1; j < g.marks.size(); ++j)
            EXPECT_FALSE(Overlap(m.box, g.marks[j].box)) << i << " and " << j;
    }
}

PieLayoutInput Chart(std::vector<double> values, SizeF mark, RectF bounds = {0, 20, 840, 370}) {
    PieLayoutInput in;
    in.bounds = bounds;
    in.values = std::move(values);
    in.markSizes.assign(in.values.size(), mark);
    return in;
}

TEST(PieLayout, SlicesRunClockwiseFromTwelveInTheOrderGiven) {
    const PieGeometry g = LayoutPie(Chart({600, 300, 0, 100}, {60, 20}));
    ASSERT_EQ(g.arcs.size(), 4u);
    EXPECT_DOUBLE_EQ(g.arcs[0].start, -90);
    EXPECT_DOUBLE_EQ(g.arcs[0].sweep, 216);
    EXPECT_DOUBLE_EQ(g.arcs[1].start, 126);
    EXPECT_DOUBLE_EQ(g.arcs[1].sweep, 108);
    EXPECT_DOUBLE_EQ(g.arcs[2].sweep, 0);
    EXPECT_DOUBLE_EQ(g.arcs[3].start + g.arcs[3].sweep, 270);
    EXPECT_EQ(g.marks.size(), 3u);  // the empty slice has no mark
}

TEST(PieLayout, TheCircleStaysRoundAndInsideWhateverTheShape) {
    for (RectF bounds : {RectF{0, 0, 281, 177}, RectF{0, 0, 177, 281}, RectF{10, 30, 800, 60}}) {
        PieLayoutInput in = Chart({3, 2}, {0, 0});
        in.bounds = bounds;
        in.markSizes.clear();
        const PieGeometry g = LayoutPie(in);
        EXPECT_GT(g.radius, 0);
        EXPECT_GE(g.centre.x - g.radius, bounds.left);
        EXPECT_LE(g.centre.x + g.radius, bounds.Right());
        EXPECT_GE(g.centre.y - g.radius, bounds.top);
        EXPECT_LE(g.centre.y + g.radius, bounds.Bottom());
        EXPECT_TRUE(g.marks.empty());
    }
}

TEST(PieLayout, MarksNeverOverlap) {
    std::vector<double> manySmall(19, 1.0);
    manySmall.insert(manySmall.begin(), 81.0);  // small ones crowd the upper left
    std::vector<double> twentyEven(20, 5.0);
    std::vector<double> fewLarge = {50, 30, 20};
    std::vector<double> mixed = {40, 1, 1, 1, 1, 20, 1, 1, 1, 1, 1, 15, 1, 1, 1, 1, 1, 1, 1, 1};
    for (const auto& values : {manySmall, twentyEven, fewLarge, mixed}) {
        SCOPED_TRACE(values.size());
        const PieLayoutInput in = Chart(values, {150, 30});
        ExpectReadable(in, LayoutPie(in));
    }
}

TEST(PieLayout, ASmallChartWithTwoMarks) {
    PieLayoutInput in = Chart({60, 40}, {30, 14}, {0, 0, 281, 177});
    const PieGeometry g = LayoutPie(in);
    ExpectReadable(in, g);
    EXPECT_GT(g.radius, 60);
}

TEST(PieLayout, LinesRunFromTheSliceToTheFacingSideOfItsMark) {
    const PieLayoutInput in = Chart({25, 25, 25, 25}, {80, 30});
    const PieGeometry g = LayoutPie(in);
    ASSERT_EQ(g.marks.size(), 4u);
    for (const MarkPlace& m : g.marks) {
        const bool onRight = m.box.left >= g.centre.x;
        EXPECT_DOUBLE_EQ(m.anchor.x, onRight ? m.box.left : m.box.Right());
        EXPECT_DOUBLE_EQ(m.anchor.y, m.box.top + m.box.height / 2);
        EXPECT_GT(std::hypot(m.elbow.x - g.centre.x, m.elbow.y - g.centre.y), g.radius);
    }
    // The first two quarters lie right of twelve o'clock, the last two left of it.
    EXPECT_GT(g.marks[0].box.left, g.centre.x);
    EXPECT_GT(g.marks[1].box.left, g.centre.x);
    EXPECT_LT(g.marks[2].box.Right(), g.centre.x);
    EXPECT_LT(g.marks[3].box.Right(), g.centre.x);
}

}  // namespace
}  // namespace widgets
