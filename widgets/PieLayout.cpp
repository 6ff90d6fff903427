#include "widgets/PieLayout.h"

#include <algorithm>
#include <cmath>

namespace widgets {
namespace {

constexpr double kPi = 3.14159265358979323846;

PointF OnRay(PointF centre, double radius, double degrees) {
    const double a = degrees * kPi / 180;
    return {centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)};
}

struct Pending {
    size_t slice;
    double middle;  // degrees
    SizeF size;
    double top = 0;
};
using Column = std::vector<Pending>;

std::vector<SliceArc> Arcs(const std::vector<double>& values) {
    double total = 0;
    for (double v : values) total += v > 0 ? v : 0;
    std::vector<SliceArc> arcs;
    double start = -90;
    for (double v : values) {
        const double sweep = total > 0 && v > 0 ? v / total * 360 : 0;
        arcs.push_back({start, sweep});
        start += sweep;
    }
    return arcs;
}

double Height(const Column& column, double spacing) {
    double height = 0;
    for (const Pending& p : column) height += p.size.height + spacing;
    return column.empty() ? 0 : height - spacing;
}

double Width(const Column& column) {
    double width = 0;
    for (const Pending& p : column) width = std::max(width, p.size.width);
    return width;
}

// The mark of a column that sits nearest to twelve or six o'clock.
Column::iterator NearestToVertical(Column& column) {
    return std::max_element(column.begin(), column.end(), [](const Pending& a, const Pending& b) {
        return std::abs(std::sin(a.middle * kPi / 180)) < std::abs(std::sin(b.middle * kPi / 180));
    });
}

// A column too tall for the chart hands the marks nearest the top or bottom to the other
// column while that one has room: their lines stay short, since those marks sit near the
// axis that divides the columns.
void Balance(Column& left, Column& right, double available, double spacing) {
    for (;;) {
        Column* full = Height(left, spacing) > available    ? &left
                       : Height(right, spacing) > available ? &right
                                                            : nullptr;
        if (!full) return;
        Column& other = full == &left ? right : left;
        auto moving = NearestToVertical(*full);
        if (Height(other, spacing) + spacing + moving->size.height > available) return;
        other.push_back(*moving);
        full->erase(moving);
    }
}

// Tops as near the ideal ones as possible, in order, never overlapping, inside [minTop,
// maxBottom] when the column fits; a column that cannot fit runs on below maxBottom.
void Stack(Column& column, PointF centre, double reach, double minTop, double maxBottom,
           double spacing) {
    auto idealY = [&](const Pending& p) { return OnRay(centre, reach, p.middle).y; };
    std::stable_sort(column.begin(), column.end(),
                     [&](const Pending& a, const Pending& b) { return idealY(a) < idealY(b); });
    double floor = minTop;
    for (Pending& p : column) {
        p.top = std::max(idealY(p) - p.size.height / 2, floor);
        floor = p.top + p.size.height + spacing;
    }
    double ceiling = maxBottom;
    for (auto p = column.rbegin(); p != column.rend(); ++p) {
        p->top = std::min(p->top + p->size.height, ceiling) - p->size.height;
        ceiling = p->top - spacing;
    }
    floor = minTop;
    for (Pending& p : column) {
        p.top = std::max(p.top, floor);
        floor = p.top + p.size.height + spacing;
    }
}

// How far right of the centre (or left, for the left column) a box spanning [top, bottom]
// must start to keep reach away from the centre.
double Clearance(double centreY, double top, double bottom, double reach) {
    const double dy = top <= centreY && centreY <= bottom
                          ? 0
                          : std::min(std::abs(top - centreY), std::abs(bottom - centreY));
    return dy < reach ? std::sqrt(reach * reach - dy * dy) : 0;
}

}  // namespace

PieGeometry LayoutPie(const PieLayoutInput& in) {
    PieGeometry g;
    g.arcs = Arcs(in.values);
    const RectF& b = in.bounds;
    const double m = in.margin, gap = in.markGap, spacing = in.markSpacing;

    Column left, right;
    for (size_t i = 0; i < in.markSizes.size() && i < g.arcs.size(); ++i) {
        if (g.arcs[i].sweep <= 0) continue;
        const Pending p{i, g.arcs[i].Middle(), in.markSizes[i]};
        (std::cos(p.middle * kPi / 180) >= -1e-9 ? right : left).push_back(p);
    }
    Balance(left, right, b.height - 2 * m, spacing);

    const double leftW = Width(left), rightW = Width(right);
    const double leftGap = left.empty() ? 0 : gap, rightGap = right.empty() ? 0 : gap;
    const double roomW = b.width - 2 * m - leftW - rightW - leftGap - rightGap;
    g.radius =
        std::max({std::min(roomW, b.height - 2 * m) / 2, std::min(b.width, b.height) / 8, 0.0});
    const double used = leftW + leftGap + 2 * g.radius + rightGap + rightW;
    g.centre = {b.left + (b.width - used) / 2 + leftW + leftGap + g.radius, b.top + b.height / 2};

    const double reach = g.radius + gap;
    for (Column* column : {&left, &right}) {
        const bool onRight = column == &right;
        Stack(*column, g.centre, reach, b.top + m, b.Bottom() - m, spacing);
        for (const Pending& p : *column) {
            MarkPlace place;
            place.slice = p.slice;
            const double bottom = p.top + p.size.height;
            const double dx = Clearance(g.centre.y, p.top, bottom, reach) + spacing / 2;
            const double boxLeft = onRight ? g.centre.x + dx : g.centre.x - dx - p.size.width;
            place.box = {boxLeft, p.top, p.size.width, p.size.height};
            place.edge = OnRay(g.centre, g.radius, p.middle);
            place.elbow = OnRay(g.centre, g.radius + gap / 2, p.middle);
            place.anchor = {onRight ? boxLeft : place.box.Right(), p.top + p.size.height / 2};
            g.marks.push_back(place);
        }
    }
    std::sort(g.marks.begin(), g.marks.end(),
              [](const MarkPlace& a, const MarkPlace& c) { return a.slice < c.slice; });
    return g;
}

}  // namespace widgets
