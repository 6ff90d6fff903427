#include "views/FolderPiePage.h"

namespace views {
namespace {

widgets::PieChartStyle ChartDictStyle() {
    widgets::PieChartStyle style;
    style.background = widgets::Rgb(0, 0, 0);
    style.titleFont = {L"Arial", -13, true};
    style.titleColour = widgets::Rgb(255, 255, 255);
    style.radialGradient = true;
    style.lineColour = widgets::Rgb(210, 210, 210);
    return style;
}

}  // namespace

void FolderPiePage::Create(HWND page) {
    ChartDict.Create(page, {0, 0, 10, 10}, ChartDictStyle());
    ChartDict.SetMarkFormat(widgets::MarkStyle::LabelPercent, {});
    Layout();
}

void FolderPiePage::Layout() {
    RECT page{};
    ::GetClientRect(::GetParent(ChartDict.Handle()), &page);
    ChartDict.SetPixelBounds(page);
}

void FolderPiePage::Show(const std::vector<FolderSlice>& slices) {
    ChartDict.SetTitle(L"");
    ChartDict.ClearSlices();
    for (const FolderSlice& slice : slices)
        ChartDict.Add(static_cast<double>(slice.size), slice.label);
}

}  // namespace views
