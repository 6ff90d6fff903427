#pragma once

#include <windows.h>

#include <string>

namespace widgets {

struct FontSpec {
    std::wstring face = L"Arial";
    int height = -11;  // at 96 DPI; negative: character height, as in LOGFONT
    bool bold = false;
    bool underline = false;
};

// Shared, created once per font description and kept for the life of the program.
HFONT GetFont(const FontSpec& font);

SIZE MeasureText(const FontSpec& font, const std::wstring& text, UINT format = DT_SINGLELINE);

}  // namespace widgets
