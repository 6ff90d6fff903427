#include "settings/IniNumber.h"

namespace settings {
namespace {

int DigitValue(wchar_t ch, int base) {
    int value = -1;
    if (ch >= L'0' && ch <= L'9') value = ch - L'0';
    if (ch >= L'a' && ch <= L'f') value = ch - L'a' + 10;
    if (ch >= L'A' && ch <= L'F') value = ch - L'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> ParseIniInteger(const std::wstring& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    int base = 10;
    if (text.compare(i, 1, L"$") == 0) {
        base = 16;
        i += 1;
    } else if (text.compare(i, 2, L"0x") == 0 || text.compare(i, 2, L"0X") == 0) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFLL) return std::nullopt;
    }
    if (base == 16 && !negative) return static_cast<int32_t>(static_cast<uint32_t>(value));
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace settings
