#include "widgets/PieChart.h"

#include <cmath>

#include "widgets/Dpi.h"
#include "widgets/Gdiplus.h"
#include "widgets/Panel.h"

namespace widgets {
namespace {

// Where the radial gradient starts: the slice's colour, most of the way to white.
Colour Lighter(Colour c) {
    auto towardWhite = [](int v) { return static_cast<uint8_t>(v + (255 - v) * 3 / 5); };
    return Rgb(towardWhite(GetRValue(c)), towardWhite(GetGValue(c)), towardWhite(GetBValue(c)));
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

int LineHeight(HDC dc) {
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    return tm.tmHeight;
}

int Round(double v) {
    return static_cast<int>(std::lround(v));
}

}  // namespace

void PieChart::Create(HWND parent, const Bounds& bounds, const PieChartStyle& style) {
    style_ = style;
    CreateWindowOf(L"KsPieChart", parent, L"", bounds);
}

void PieChart::SetTitle(const std::wstring& title) {
    model_.title = title;
    Invalidate();
}

void PieChart::SetMarkFormat(MarkStyle style, const PercentFormat& percent) {
    model_.markStyle = style;
    model_.percent = percent;
    Invalidate();
}

void PieChart::ClearSlices() {
    model_.Clear();
    Invalidate();
}

void PieChart::Add(double value, const std::wstring& label, Colour colour) {
    model_.Add(value, label, colour);
    Invalidate();
}

void PieChart::PaintBackground(HDC dc, const RECT& client) {
    FillSolid(dc, client, style_.background);
}

void PieChart::Paint(HDC dc, const RECT& client) {
    const int titleHeight = DrawTitle(dc, client);
    const std::vector<Mark> marks =
        style_.marksVisible ? MeasureMarks(dc, client.right / 4) : std::vector<Mark>{};
    PieLayoutInput in;
    in.bounds = {0, static_cast<double>(titleHeight), static_cast<double>(client.right),
                 static_cast<double>(client.bottom - titleHeight)};
    for (size_t i = 0; i < model_.Count(); ++i) in.values.push_back(model_.Slice(i).value);
    for (const Mark& m : marks) in.markSizes.push_back(m.size);
    in.margin = Scale(4);
    in.markGap = Scale(style_.markGap);
    in.markSpacing = Scale(2);
    geometry_ = LayoutPie(in);
    {
        SmoothGraphics sg(dc);  // flushed before the texts are drawn over it
        DrawSlices(sg.g);
        if (style_.markLines) DrawLines(sg.g);
    }
    DrawMarks(dc, marks);
}

int PieChart::DrawTitle(HDC dc, const RECT& client) const {
    if (model_.title.empty()) return 0;
    HGDIOBJ old = ::SelectObject(dc, GetFont(style_.titleFont));
    RECT r{client.left, client.top + Scale(4), client.right, client.bottom};
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.titleColour);
    const int height = ::DrawTextW(dc, model_.title.c_str(), -1, &r,
                                   DT_CENTER | DT_TOP | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SelectObject(dc, old);
    return height + Scale(8);
}

std::vector<PieChart::Mark> PieChart::MeasureMarks(HDC dc, int maxWidth) const {
    HGDIOBJ old = ::SelectObject(dc, GetFont(style_.markFont));
    const int lineHeight = LineHeight(dc);
    const int pad = style_.transparentMarks ? 0 : Scale(3);
    std::vector<Mark> marks;
    for (size_t i = 0; i < model_.Count(); ++i) {
        Mark mark{SplitLines(model_.MarkText(i)), {}};
        int width = 0;
        for (const std::wstring& line : mark.lines) {
            RECT r{0, 0, 0, 0};
            ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r,
                        DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            width = std::max(width, static_cast<int>(r.right));
        }
        mark.size = {
            static_cast<double>(std::min(width, maxWidth) + 2 * pad),
            static_cast<double>(lineHeight * static_cast<int>(mark.lines.size()) + 2 * pad)};
        marks.push_back(std::move(mark));
    }
    ::SelectObject(dc, old);
    return marks;
}

void PieChart::DrawSlices(Gdiplus::Graphics& g) const {
    const auto r = static_cast<Gdiplus::REAL>(geometry_.radius);
    const Gdiplus::RectF circle(static_cast<Gdiplus::REAL>(geometry_.centre.x) - r,
                                static_cast<Gdiplus::REAL>(geometry_.centre.y) - r, 2 * r, 2 * r);
    Gdiplus::GraphicsPath path;
    path.AddEllipse(circle);
    Gdiplus::Pen outline(ToGdiplus(style_.background), static_cast<Gdiplus::REAL>(Scale(1)));
    for (size_t i = 0; i < geometry_.arcs.size(); ++i) {
        const SliceArc& arc = geometry_.arcs[i];
        if (arc.sweep <= 0 || r <= 0) continue;
        const Colour colour = model_.Slice(i).colour;
        Gdiplus::SolidBrush solid(ToGdiplus(colour));
        Gdiplus::PathGradientBrush gradient(&path);
        Gdiplus::Color surround = ToGdiplus(colour);
        int count = 1;
        gradient.SetCenterColor(ToGdiplus(Lighter(colour)));
        gradient.SetSurroundColors(&surround, &count);
        const Gdiplus::Brush* brush =
            style_.radialGradient ? static_cast<const Gdiplus::Brush*>(&gradient) : &solid;
        const auto start = static_cast<Gdiplus::REAL>(arc.start);
        const auto sweep = static_cast<Gdiplus::REAL>(arc.sweep);
        if (arc.sweep >= 359.999) {
            g.FillEllipse(brush, circle);
        } else {
            g.FillPie(brush, circle, start, sweep);
            g.DrawPie(&outline, circle, start, sweep);
        }
    }
}

void PieChart::DrawLines(Gdiplus::Graphics& g) const {
    Gdiplus::Pen line(ToGdiplus(style_.lineColour), static_cast<Gdiplus::REAL>(Scale(1)));
    auto at = [](const PointF& p) {
        return Gdiplus::PointF(static_cast<Gdiplus::REAL>(p.x), static_cast<Gdiplus::REAL>(p.y));
    };
    for (const MarkPlace& m : geometry_.marks) {
        const Gdiplus::PointF points[] = {at(m.edge), at(m.elbow), at(m.anchor)};
        g.DrawLines(&line, points, 3);
    }
}

void PieChart::DrawMarks(HDC dc, const std::vector<Mark>& marks) const {
    if (marks.empty()) return;
    HGDIOBJ oldFont = ::SelectObject(dc, GetFont(style_.markFont));
    HBRUSH back = ::CreateSolidBrush(style_.markBack);
    HBRUSH frame = ::CreateSolidBrush(style_.markFrame);
    for (const MarkPlace& place : geometry_.marks) {
        const RECT box{Round(place.box.left), Round(place.box.top), Round(place.box.Right()),
                       Round(place.box.Bottom())};
        if (!style_.transparentMarks) {
            ::FillRect(dc, &box, back);
            ::FrameRect(dc, &box, frame);
        }
        DrawMarkText(dc, marks[place.slice], place.box);
    }
    ::DeleteObject(back);
    ::DeleteObject(frame);
    ::SelectObject(dc, oldFont);
}

void PieChart::DrawMarkText(HDC dc, const Mark& mark, const RectF& box) const {
    const int pad = style_.transparentMarks ? 0 : Scale(3);
    const int lineHeight = LineHeight(dc);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, style_.markText);
    int top = Round(box.top) + pad;
    for (const std::wstring& line : mark.lines) {
        RECT r{Round(box.left) + pad, top, Round(box.Right()) - pad, top + lineHeight};
        ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &r,
                    DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        top += lineHeight;
    }
}

}  // namespace widgets
