#include "widgets/Accelerators.h"

namespace widgets {
namespace {

wchar_t Upper(wchar_t ch) { return ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - 32) : ch; }

}  // namespace

wchar_t AcceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&') continue;
        if (caption[i + 1] == L'&') {
            ++i;
            continue;
        }
        return Upper(caption[i + 1]);
    }
    return 0;
}

std::wstring StripAccelerator(const std::wstring& caption) {
    std::wstring text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

}  // namespace widgets
