// What a pie chart shows, as plain data: its title and its slices in the order they were
// added, each with a value, a label and a colour, and the text of each slice's mark.
#pragma once

#include <string>
#include <vector>

#include "widgets/Theme.h"

namespace widgets {

// Asks for the palette's next colour instead of a colour of one's own.
constexpr Colour kAutoColour = 0x20000000;

enum class MarkStyle {
    LabelPercent,  // the label, a blank and the percentage; "\r" in the label breaks the line
    Percent,       // the percentage alone
};

struct PieSlice {
    double value = 0;
    std::wstring label;
    Colour colour = 0;  // resolved: never kAutoColour
};

struct PercentFormat {
    int decimals = 0;  // 0 gives "##0 %": a whole percent, a blank and "%"
    std::wstring decimal = L".";
};

class PieModel {
  public:
    void Clear() { slices_.clear(); }
    // The automatic colour is the palette colour of the slice's place.
    void Add(double value, std::wstring label, Colour colour = kAutoColour);
    size_t Count() const { return slices_.size(); }
    const PieSlice& Slice(size_t i) const { return slices_[i]; }
    // Of the slices with a positive value; the others take no room in the pie.
    double Total() const;
    std::wstring MarkText(size_t i) const;

    std::wstring title;
    MarkStyle markStyle = MarkStyle::LabelPercent;
    PercentFormat percent;

  private:
    std::vector<PieSlice> slices_;
};

Colour PaletteColour(size_t index);
// Part of whole in percent, rounded halves away from zero; "0 %" when whole is not positive.
std::wstring FormatPercent(double part, double whole, const PercentFormat& format);

}  // namespace widgets
