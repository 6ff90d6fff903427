#include <gtest/gtest.h>

#include "settings/CommandLine.h"
#include "settings/IniNumber.h"

namespace settings {
namespace {

TEST(ParseIniInteger, DecimalAndBothHexadecimalForms) {
    const struct {
        const wchar_t* text;
        std::optional<int32_t> value;
    } cases[] = {
        {L"3", 3},         {L"-1", -1},       {L"0", 0},           {L"0x10", 16},
        {L"$1F", 31},      {L"0XFF", 255},    {L"2147483647", INT32_MAX},
        {L"0xFFFFFFFF", -1}, {L"", std::nullopt}, {L"abc", std::nullopt}, {L"3a", std::nullopt},
        {L"0x", std::nullopt}, {L"$", std::nullopt}, {L" 3", std::nullopt},
        {L"99999999999", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.value) << c.text;
}

TEST(FirstArgument, FollowsTheShellsSplitting) {
    const struct {
        const wchar_t* line;
        std::optional<std::wstring> first;
    } cases[] = {
        {L"", std::nullopt},
        {L"   \t ", std::nullopt},
        {L"C:\\Data", L"C:\\Data"},
        {L"\"C:\\My Data\\Sub\"", L"C:\\My Data\\Sub"},
        {L"\"C:\\\"", L"C:\\"},  // the backslash does not escape the quote
        {L"C:\\a.txt C:\\b", L"C:\\a.txt"},
        {L"  D:\\x\\  more args", L"D:\\x\\"},
        {L"C:\\Pro\"gram Fi\"les x", L"C:\\Program Files"},
        {L"a\x01" L"b", L"a"},
    };
    for (const auto& c : cases) EXPECT_EQ(FirstArgument(c.line), c.first) << c.line;
}

}  // namespace
}  // namespace settings
