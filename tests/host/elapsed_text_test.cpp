#include <gtest/gtest.h>

#include "app/ElapsedText.h"

namespace app {
namespace {

TEST(FormatElapsed, MinutesAndSecondsWithoutLeadingZerosOrHours) {
    const struct {
        int32_t ticks;
        const wchar_t* text;
    } cases[] = {{0, L"0分钟0秒"},   {5, L"0分钟5秒"},     {59, L"0分钟59秒"},
                 {60, L"1分钟0秒"},  {75, L"1分钟15秒"},   {3600, L"60分钟0秒"},
                 {3661, L"61分钟1秒"}};
    for (const auto& c : cases) EXPECT_EQ(FormatElapsed(c.ticks, L"分钟", L"秒"), c.text) << c.ticks;
}

}  // namespace
}  // namespace app
