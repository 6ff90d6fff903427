#include "widgets/PieModel.h"

#include <array>
#include <cmath>

namespace widgets {
namespace {

// Distinct on a black and on a white background, and next to each other.
constexpr std::array<Colour, 12> kPalette = {
    Rgb(232, 56, 56),  Rgb(60, 180, 75),  Rgb(255, 200, 20),  Rgb(50, 110, 230),
    Rgb(245, 130, 40), Rgb(150, 80, 220), Rgb(30, 190, 200),  Rgb(240, 90, 170),
    Rgb(170, 200, 40), Rgb(150, 105, 65), Rgb(130, 150, 255), Rgb(190, 190, 190),
};

}  // namespace

Colour PaletteColour(size_t index) {
    return kPalette[index % kPalette.size()];
}

void PieModel::Add(double value, std::wstring label, Colour colour) {
    if (colour == kAutoColour) colour = PaletteColour(slices_.size());
    slices_.push_back({value, std::move(label), colour});
}

double PieModel::Total() const {
    double total = 0;
    for (const PieSlice& s : slices_) total += s.value > 0 ? s.value : 0;
    return total;
}

std::wstring PieModel::MarkText(size_t i) const {
    const PieSlice& s = slices_[i];
    const std::wstring share = FormatPercent(s.value > 0 ? s.value : 0, Total(), percent);
    return markStyle == MarkStyle::Percent ? share : s.label + L" " + share;
}

std::wstring FormatPercent(double part, double whole, const PercentFormat& format) {
    int decimals = format.decimals < 0 ? 0 : format.decimals;
    if (decimals > 6) decimals = 6;
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const long long units = whole > 0 ? std::llround(part / whole * 100.0 * scale) : 0;
    std::wstring text = std::to_wstring(units / scale);
    if (decimals > 0) {
        std::wstring fraction = std::to_wstring(std::llabs(units % scale));
        text += format.decimal + std::wstring(decimals - fraction.size(), L'0') + fraction;
    }
    return text + L" %";
}

}  // namespace widgets
