// UTF-8 and UTF-16 conversions for the host side (POSIX paths, test output).
#pragma once

#include <string>
#include <string_view>

namespace spandle {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// The same, appended to out, for writers that reuse one buffer.
void AppendUtf8(std::u16string_view text, std::string& out);
// Invalid bytes become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// The same code units as a wide string: exact where wchar_t is UTF-16 (Windows).
inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace spandle
