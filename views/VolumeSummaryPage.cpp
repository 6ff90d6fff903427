#include "views/VolumeSummaryPage.h"

#include "widgets/Dpi.h"

namespace views {
namespace {

const widgets::FontSpec kFont{L"Arial", -11};
constexpr int kSpacerHeight = 13, kGroupHeight = 192;

widgets::PieChartStyle Chart1Style() {
    widgets::PieChartStyle style;
    style.transparentMarks = true;
    style.markLines = false;
    style.markGap = 6;
    return style;
}

}  // namespace

void VolumeSummaryPage::Create(HWND page) {
    const widgets::Label::Style plain{kFont, std::nullopt, false};
    Label11.Create(page, L"", 0, 0, plain);
    GroupBox1.Create(page, L"卷摘要", {0, kSpacerHeight, 10, kGroupHeight});
    HWND box = GroupBox1.Handle();
    struct Row {
        widgets::Label &caption, &value;
        const wchar_t* text;
    };
    const Row rows[] = {{lablj, labljv, L"路径："},         {lablx, lablxv, L"类型："},
                        {labcdx, labcdxv, L"簇大小："},     {labrl, labrlv, L"容量："},
                        {labyykj, labyykjv, L"已用空间："}, {labkykj, labkykjv, L"可用空间："}};
    int top = 32;
    for (const Row& row : rows) {
        row.caption.Create(box, row.text, 31, top, plain);
        row.value.Create(box, L"", 118, top, plain);
        top += 24;
    }
    Image1.Create(box, {16, 128, 12, 12}, kUsedColour);
    Image3.Create(box, {16, 152, 12, 12}, kFreeColour);
    Chart1.Create(box, {288, 8, 281, 177}, Chart1Style());
    Chart1.SetMarkFormat(widgets::MarkStyle::Percent, {});
    Layout();
}

void VolumeSummaryPage::Layout() {
    RECT page{};
    ::GetClientRect(::GetParent(GroupBox1.Handle()), &page);
    const int spacer = widgets::Scale(kSpacerHeight);
    Label11.SetPixelBounds({0, 0, page.right, spacer});
    GroupBox1.SetPixelBounds({0, spacer, page.right, spacer + widgets::Scale(kGroupHeight)});
}

void VolumeSummaryPage::Clear() {
    Show({});
}

void VolumeSummaryPage::Show(const VolumeFigures& figures) {
    Chart1.ClearSlices();
    labljv.SetText(figures.path);
    lablxv.SetText(figures.type);
    labcdxv.SetText(figures.clusterSize);
    labrlv.SetText(figures.capacity);
    labyykjv.SetText(figures.used);
    labkykjv.SetText(figures.free);
    if (!figures.hasSlices) return;
    Chart1.Add(static_cast<double>(figures.usedBytes), L"", kUsedColour);
    Chart1.Add(static_cast<double>(figures.freeBytes), L"", kFreeColour);
}

}  // namespace views
