// Where a pie's slices and marks go: a circle in the middle, each mark in a column on the
// left or right of it, as near its slice as the other marks allow, joined to the slice by
// a line. Plain geometry in device pixels, so it is tested without a window.
#pragma once

#include <cstddef>
#include <vector>

namespace widgets {

struct PointF {
    double x = 0, y = 0;
};

struct SizeF {
    double width = 0, height = 0;
};

struct RectF {
    double left = 0, top = 0, width = 0, height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// Angles in degrees, clockwise from three o'clock (y grows downwards), as GDI+ draws arcs.
struct SliceArc {
    double start = 0, sweep = 0;
    double Middle() const { return start + sweep / 2; }
};

struct MarkPlace {
    size_t slice = 0;
    RectF box;
    PointF edge;    // on the circle, in the middle of the slice
    PointF elbow;   // a little outside the circle, on the same ray
    PointF anchor;  // the side of the box that faces the circle
};

struct PieLayoutInput {
    RectF bounds;                  // the chart's area below its title
    std::vector<double> values;    // one per slice, in order; non-positive ones take no room
    std::vector<SizeF> markSizes;  // one per slice, or none for a chart without marks
    double margin = 4;             // kept free along the bounds
    double markGap = 16;           // between the circle and the nearest point of a mark
    double markSpacing = 2;        // between two marks of one column
};

struct PieGeometry {
    PointF centre;
    double radius = 0;
    std::vector<SliceArc> arcs;    // one per slice; the first starts at twelve o'clock
    std::vector<MarkPlace> marks;  // one per slice with a positive value
};

PieGeometry LayoutPie(const PieLayoutInput& input);

}  // namespace widgets
