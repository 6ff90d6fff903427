// A flat pie chart drawn antialiased with GDI+: always a circle, slices in the order added,
// an optional radial gradient, a title, and a mark per slice beside it, joined to it by a
// line or, transparent, showing only its percentage. The owner fills the model; tests read
// it back, and the geometry of the last paint, to see what the chart shows.
#pragma once

#include "widgets/Control.h"
#include "widgets/Fonts.h"
#include "widgets/Gdiplus.h"
#include "widgets/PieLayout.h"
#include "widgets/PieModel.h"

namespace widgets {

struct PieChartStyle {
    Colour background = Rgb(255, 255, 255);
    FontSpec titleFont{L"Arial", -13, true};
    Colour titleColour = Rgb(0, 0, 0);
    bool radialGradient = false;
    bool marksVisible = true;
    bool transparentMarks = false;  // no box behind the mark's text
    bool markLines = true;          // a line from each slice to its mark
    int markGap = 16;               // 96 DPI: from the circle to the nearest mark
    FontSpec markFont{L"Arial", -11};
    Colour markText = Rgb(0, 0, 0);
    Colour markBack = Rgb(255, 255, 225);
    Colour markFrame = Rgb(128, 128, 128);
    Colour lineColour = Rgb(128, 128, 128);
};

class PieChart : public Control {
  public:
    void Create(HWND parent, const Bounds& bounds, const PieChartStyle& style);
    const PieModel& Model() const { return model_; }
    const PieChartStyle& Style() const { return style_; }

    void SetTitle(const std::wstring& title);
    void SetMarkFormat(MarkStyle style, const PercentFormat& percent);
    void ClearSlices();
    void Add(double value, const std::wstring& label, Colour colour = kAutoColour);

    // Where the last paint put the circle and the marks, in client pixels.
    const PieGeometry& LastGeometry() const { return geometry_; }

  protected:
    void PaintBackground(HDC dc, const RECT& client) override;
    void Paint(HDC dc, const RECT& client) override;

  private:
    struct Mark {
        std::vector<std::wstring> lines;
        SizeF size;
    };
    int DrawTitle(HDC dc, const RECT& client) const;
    std::vector<Mark> MeasureMarks(HDC dc, int maxWidth) const;
    void DrawSlices(Gdiplus::Graphics& g) const;
    void DrawLines(Gdiplus::Graphics& g) const;
    void DrawMarks(HDC dc, const std::vector<Mark>& marks) const;
    void DrawMarkText(HDC dc, const Mark& mark, const RectF& box) const;

    PieChartStyle style_;
    PieModel model_;
    PieGeometry geometry_;
};

}  // namespace widgets
