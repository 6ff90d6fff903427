#include "widgets/Fonts.h"

#include <map>
#include <tuple>

#include "widgets/Dpi.h"

namespace widgets {

HFONT GetFont(const FontSpec& font) {
    using Key = std::tuple<std::wstring, int, bool, bool>;
    static std::map<Key, HFONT> fonts;
    const Key key{font.face, font.height, font.bold, font.underline};
    if (auto it = fonts.find(key); it != fonts.end()) return it->second;
    LOGFONTW lf{};
    lf.lfHeight = Scale(font.height);
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = font.underline;
    // DEFAULT_CHARSET lets the font mapper link in CJK glyphs the Latin face lacks.
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lstrcpynW(lf.lfFaceName, font.face.c_str(), LF_FACESIZE);
    HFONT created = ::CreateFontIndirectW(&lf);
    fonts.emplace(key, created);
    return created;
}

SIZE MeasureText(const FontSpec& font, const std::wstring& text, UINT format) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, GetFont(font));
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_CALCRECT);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace widgets
