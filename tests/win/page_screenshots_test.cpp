// Draws each page of the main window on the test display and keeps a picture of it in
// tests/screenshots beside the test executables, for people to look at.
#include "support/FormFixture.h"
#include "support/Screenshot.h"
#include "widgets/Dpi.h"
#include "widgets/Theme.h"

namespace {

using testing_support::FormFixture;
using testing_support::SaveScreenshot;
using testing_support::ScreenPixel;

class PageScreenshots : public FormFixture {};

TEST_F(PageScreenshots, ReportPageShowsTheIdleRadarAndGradientToolbar) {
    Pump();
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"report-page").empty());
    const int s = widgets::Dpi() / 96;
    // The toolbar's gradient ends in the look's colour at its bottom edge.
    const COLORREF bottom = ScreenPixel(form->Handle(), 800 * s, 66 * s);
    EXPECT_NEAR(GetBValue(bottom), 255, 3);
    EXPECT_NEAR(GetRValue(bottom), 211, 4);
    // The idle radar is dark green at its centre-left, where no ring or beam is drawn.
    POINT p{30 * s, 60 * s};
    ::MapWindowPoints(form->ImageScan.Handle(), form->Handle(), &p, 1);
    const COLORREF radar = ScreenPixel(form->Handle(), p.x, p.y);
    EXPECT_GT(GetGValue(radar), GetRValue(radar));
    EXPECT_LT(GetGValue(radar), 120);
}

TEST_F(PageScreenshots, OptionsAndAboutPages) {
    form->TBOptions.PerformClick();
    Pump();
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"options-page").empty());
    form->TBAbout.PerformClick();
    Pump();
    EXPECT_FALSE(SaveScreenshot(form->Handle(), L"about-page").empty());
    // The program name is drawn in its own green somewhere on its label.
    HWND name = form->Label1.Handle();
    RECT r{};
    ::GetClientRect(name, &r);
    bool green = false;
    HDC dc = ::GetDC(name);
    for (int x = 0; x < r.right && !green; ++x)
        for (int y = 0; y < r.bottom && !green; ++y)
            green = ::GetPixel(dc, x, y) == RGB(15, 113, 32);
    ::ReleaseDC(name, dc);
    EXPECT_TRUE(green);
}

}  // namespace
