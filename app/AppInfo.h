// Names and addresses of the program: one place for all of them.
#pragma once

namespace app {

inline constexpr wchar_t kApplicationTitle[] = L"KestrumSpandle";
inline constexpr wchar_t kFormCaption[] = L"KestrumSpandle [Velmora]";
inline constexpr wchar_t kVersionText[] = L"版本 3.0.1";
inline constexpr wchar_t kAuthorName[] = L"Velmora";
inline constexpr wchar_t kHomeUrl[] = L"http://www.velmora.com.cn/";
inline constexpr wchar_t kUpdateUrl[] = L"http://www.velmora.com.cn/spandle/";
inline constexpr wchar_t kAuthorEmail[] = L"support@velmora.com.cn";
inline constexpr wchar_t kHelpFileName[] = L"SpandleHelp.chm";

}  // namespace app
