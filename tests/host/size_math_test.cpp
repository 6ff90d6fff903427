#include <gtest/gtest.h>

#include <cstring>

#include "scan/EntryRecord.h"
#include "scan/SizeMath.h"

namespace spandle {
namespace {

TEST(MakeSize, JoinsTheTwoWords) {
    EXPECT_EQ(MakeSize(0, 4294967295LL), 4294967295LL);
    EXPECT_EQ(MakeSize(1, 0), 4294967296LL);
    EXPECT_EQ(MakeSize(2, 5), 8589934597LL);
}

TEST(MakeSize, InvertsTheSplitOfATotal) {
    for (int64_t total : {0LL, 4294967295LL, 4294967296LL, 5497558138880LL, 9223372036854775807LL}) {
        EntryRecord record{};
        StoreRecordSize(record, total);
        EXPECT_EQ(MakeSize(record.nFileSizeHigh, record.nFileSizeLow), total);
    }
    EntryRecord fourGiB{};
    StoreRecordSize(fourGiB, 4294967296LL);
    EXPECT_EQ(fourGiB.nFileSizeLow, 0u);
    EXPECT_EQ(fourGiB.nFileSizeHigh, 1u);
}

TEST(ShareScaled, TruncatesTowardZero) {
    EXPECT_EQ(ShareScaled(1, 3), 33333);
    EXPECT_EQ(ShareScaled(2, 3), 66666);
    EXPECT_EQ(ShareScaled(0, 7), 0);
    EXPECT_EQ(ShareScaled(7, 7), 100000);
}

TEST(ShareScaled, StaysExactAbove84TiB) {
    const int64_t tib = 1099511627776LL;
    EXPECT_EQ(ShareScaled(100 * tib, 100 * tib), 100000);
    EXPECT_EQ(ShareScaled(100 * tib, 300 * tib), 33333);
    EXPECT_EQ(ShareScaled(200 * tib, 300 * tib), 66666);
    const int64_t max = 9223372036854775807LL;
    EXPECT_EQ(ShareScaled(max, max), 100000);
    EXPECT_EQ(ShareScaled(max / 2, max), 49999);
    // Truncation, never rounding, also on the wide path.
    EXPECT_EQ(ShareScaled(max - 1, max), 99999);
}

struct SizeTextCase {
    int64_t size;
    const wchar_t* commaDot;
    const wchar_t* dotComma;
};

TEST(FormatSize, MatchesTheTableWithEitherSeparatorPair) {
    const SizeTextCase cases[] = {
        {0, L"0Byte", L"0Byte"},
        {1023, L"1023Byte", L"1023Byte"},
        {1024, L"1KB", L"1KB"},
        {1500, L"1KB", L"1KB"},
        {1536, L"2KB", L"2KB"},
        {1048575, L"1,024KB", L"1.024KB"},
        {1048576, L"1.0MB", L"1,0MB"},
        {1572864, L"1.5MB", L"1,5MB"},
        {1073741823, L"1,024.0MB", L"1.024,0MB"},
        {1073741824, L"1.0GB", L"1,0GB"},
        {5497558138880LL, L"5,120.0GB", L"5.120,0GB"},
        // Exact halves round away from zero: 1.25 MB and 2.5 KB.
        {1310720, L"1.3MB", L"1,3MB"},
        {2560, L"3KB", L"3KB"},
        {-5, L"-5Byte", L"-5Byte"},
        {9223372036854775807LL, L"8,589,934,592.0GB", L"8.589.934.592,0GB"},
    };
    const NumberSeparators commaDot{L",", L"."};
    const NumberSeparators dotComma{L".", L","};
    for (const auto& c : cases) {
        EXPECT_EQ(FormatSize(c.size, commaDot), c.commaDot) << c.size;
        EXPECT_EQ(FormatSize(c.size, dotComma), c.dotComma) << c.size;
    }
}

TEST(FormatSize, JustBelowAHalfRoundsDown) {
    const NumberSeparators s{L",", L"."};
    EXPECT_EQ(FormatSize(1310719, s), L"1.2MB");  // 1.2499... MB
    EXPECT_EQ(FormatSize(2559, s), L"2KB");
}

TEST(FormatGrouped, GroupsByThrees) {
    EXPECT_EQ(FormatGrouped(0, L","), L"0");
    EXPECT_EQ(FormatGrouped(999, L","), L"999");
    EXPECT_EQ(FormatGrouped(1000, L","), L"1,000");
    EXPECT_EQ(FormatGrouped(4096, L"\u00a0"), L"4\u00a0096");
    EXPECT_EQ(FormatGrouped(1234567890123ULL, L"."), L"1.234.567.890.123");
}

TEST(FormatShareNumber, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(FormatShareNumber(100000, L"."), L"100.00");
    EXPECT_EQ(FormatShareNumber(400, L"."), L"0.40");
    EXPECT_EQ(FormatShareNumber(12345, L"."), L"12.35");
    EXPECT_EQ(FormatShareNumber(12344, L","), L"12,34");
    EXPECT_EQ(FormatShareNumber(0, L"."), L"0.00");
}

TEST(EntryRecord, EncodesLittleEndianAtTheFixedOffsets) {
    EntryRecord record{};
    record.dwFileAttributes = 0x10;
    record.ftLastWriteTime = {0x11223344u, 0x55667788u};
    StoreRecordSize(record, 0x0000000500000007LL);
    std::strcpy(record.cFileName, "C:");
    std::strcpy(record.cAlternateFileName, "SHORT~1");
    const EntryBytes bytes = EncodeEntryRecord(record);
    EXPECT_EQ(bytes[0], 0x10);
    EXPECT_EQ(bytes[20], 0x44);
    EXPECT_EQ(bytes[27], 0x55);
    EXPECT_EQ(bytes[28], 5);   // nFileSizeHigh
    EXPECT_EQ(bytes[32], 7);   // nFileSizeLow
    EXPECT_EQ(bytes[44], 'C');
    EXPECT_EQ(bytes[45], ':');
    EXPECT_EQ(bytes[46], 0);
    EXPECT_EQ(bytes[304], 'S');
    const EntryRecord back = DecodeEntryRecord(bytes);
    EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);
}

}  // namespace
}  // namespace spandle
