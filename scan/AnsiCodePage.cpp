#include "scan/AnsiCodePage.h"

#include <windows.h>

namespace spandle {

void AnsiCodePage::Encode(std::u16string_view text, std::string& out) const {
    if (text.empty()) return;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    const size_t start = out.size();
    out.resize(start + bytes);
    WideCharToMultiByte(CP_ACP, 0, wide, length, out.data() + start, bytes, nullptr, nullptr);
}

void AnsiCodePage::Decode(std::string_view bytes, std::u16string& out) const {
    if (bytes.empty()) return;
    const int length = static_cast<int>(bytes.size());
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    const size_t start = out.size();
    out.resize(start + chars);
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                        reinterpret_cast<wchar_t*>(out.data() + start), chars);
}

}  // namespace spandle
