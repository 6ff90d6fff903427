#include "scan/SizeMath.h"

#include <limits>

namespace spandle {
namespace {

constexpr uint64_t kShareScale = 100000;

struct Wide {
    uint64_t high;
    uint64_t low;
};

Wide Multiply(uint64_t a, uint64_t b) {
    const uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
    const uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
    const uint64_t lolo = aLo * bLo;
    const uint64_t hilo = aHi * bLo;
    const uint64_t lohi = aLo * bHi;
    const uint64_t cross = (lolo >> 32) + (hilo & 0xFFFFFFFFu) + lohi;
    const uint64_t low = (cross << 32) | (lolo & 0xFFFFFFFFu);
    const uint64_t high = aHi * bHi + (hilo >> 32) + (cross >> 32);
    return {high, low};
}

// Long division; the caller guarantees n.high < d, so the quotient fits 64 bits.
uint64_t Divide(Wide n, uint64_t d) {
    uint64_t remainder = n.high;
    uint64_t quotient = 0;
    for (int bit = 63; bit >= 0; --bit) {
        const bool carry = (remainder >> 63) != 0;
        remainder = (remainder << 1) | ((n.low >> bit) & 1u);
        quotient <<= 1;
        if (carry || remainder >= d) {
            remainder -= d;
            quotient |= 1u;
        }
    }
    return quotient;
}

uint64_t Magnitude(int64_t v) {
    return v < 0 ? uint64_t{0} - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
}

// Decimal digits without std::to_wstring, which goes through swprintf: every cell text of the
// grid and of an export passes here, millions of times for a large tree.
std::wstring Digits(uint64_t value) {
    wchar_t buffer[20];
    wchar_t* end = buffer + 20;
    wchar_t* p = end;
    do {
        *--p = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    return std::wstring(p, end);
}

// Rounds value / unit to the given number of decimals (0 or 1), halves away from zero,
// and returns the result in units of 10^-decimals.
uint64_t RoundedUnits(uint64_t value, uint64_t unit, int decimals) {
    const uint64_t scale = decimals == 0 ? 1 : 10;
    const uint64_t whole = value / unit;
    const uint64_t rest = value % unit;  // cannot overflow below: unit <= 2^30
    return whole * scale + (2 * rest * scale + unit) / (2 * unit);
}

std::wstring FixedText(uint64_t units, int decimals, const NumberSeparators& separators) {
    if (decimals == 0) return FormatGrouped(units, separators.thousands);
    return FormatGrouped(units / 10, separators.thousands) + separators.decimal +
           static_cast<wchar_t>(L'0' + units % 10);
}

}  // namespace

Size MakeSize(int64_t high, int64_t low) {
    return static_cast<Size>((static_cast<uint64_t>(high) << 32) + static_cast<uint64_t>(low));
}

Share ShareScaled(Size part, Size whole) {
    const bool negative = (part < 0) != (whole < 0);
    const uint64_t p = Magnitude(part), w = Magnitude(whole);
    uint64_t quotient;
    if (p <= std::numeric_limits<uint64_t>::max() / kShareScale) {
        quotient = p * kShareScale / w;
    } else {
        const Wide product = Multiply(p, kShareScale);
        quotient = product.high >= w ? std::numeric_limits<uint64_t>::max() : Divide(product, w);
    }
    constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<Share>::max());
    if (quotient > kMax) quotient = kMax;
    const auto share = static_cast<Share>(quotient);
    return negative ? -share : share;
}

std::wstring FormatGrouped(uint64_t value, const std::wstring& thousands) {
    const std::wstring digits = Digits(value);
    std::wstring text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += thousands;
        text += digits[i];
    }
    return text;
}

std::wstring FormatSize(Size size, const NumberSeparators& separators) {
    constexpr Size kKilo = 1024, kMega = 1048576, kGiga = 1073741824;
    if (size < kKilo) return (size < 0 ? L"-" : L"") + Digits(Magnitude(size)) + L"Byte";
    const auto value = static_cast<uint64_t>(size);
    if (size < kMega) return FixedText(RoundedUnits(value, kKilo, 0), 0, separators) + L"KB";
    if (size < kGiga) return FixedText(RoundedUnits(value, kMega, 1), 1, separators) + L"MB";
    return FixedText(RoundedUnits(value, kGiga, 1), 1, separators) + L"GB";
}

std::wstring FormatShareNumber(Share share, const std::wstring& decimal) {
    const uint64_t hundredths = (Magnitude(share) + 5) / 10;
    std::wstring text = share < 0 && hundredths > 0 ? L"-" : L"";
    const uint64_t cents = hundredths % 100;
    text += Digits(hundredths / 100) + decimal;
    text += static_cast<wchar_t>(L'0' + cents / 10);
    text += static_cast<wchar_t>(L'0' + cents % 10);
    return text;
}

}  // namespace spandle
