// Sizes, shares and size texts: pure functions, exact integer arithmetic.
#pragma once

#include <cstdint>
#include <string>

namespace spandle {

using Size = int64_t;   // a byte count; never negative for a real entry
using Share = int64_t;  // thousandths of a percent: 100000 is 100 %

// The user's regional separators, passed in so the functions stay pure.
struct NumberSeparators {
    std::wstring thousands = L",";
    std::wstring decimal = L".";
};

// High and low carry the record's 32-bit size words, zero-extended.
Size MakeSize(int64_t high, int64_t low);

// Part * 100000 / Whole, truncated toward zero; exact for every 64-bit size.
// Whole must not be 0.
Share ShareScaled(Size part, Size whole);

// "1023Byte", "2KB", "1.5MB", "5,120.0GB".
std::wstring FormatSize(Size size, const NumberSeparators& separators);

// All digits of a non-negative value, grouped by threes.
std::wstring FormatGrouped(uint64_t value, const std::wstring& thousands);

// A share as "12.35": two decimals rounded halves away from zero, no grouping.
std::wstring FormatShareNumber(Share share, const std::wstring& decimal);

}  // namespace spandle
