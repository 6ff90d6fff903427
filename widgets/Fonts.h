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

// Shared, created once per spec and kept for the life of the program.
HFONT GetFont(const FontSpec& spec);

SIZE MeasureText(const FontSpec& spec, const std::wstring& text, UINT format = DT_SINGLELINE);

}  // namespace widgets
