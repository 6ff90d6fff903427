#include <gtest/gtest.h>

#include "widgets/Accelerators.h"

namespace widgets {
namespace {

TEST(Accelerators, FindsTheMarkedLetter) {
    struct Case {
        const wchar_t* caption;
        wchar_t letter;
        const wchar_t* plain;
    } const cases[] = {
        {L"分析(&R)", L'R', L"分析(R)"},
        {L"选项(&a)", L'A', L"选项(a)"},
        {L"A && B", 0, L"A & B"},
        {L"&&&x", L'X', L"&x"},
        {L"选择目录", 0, L"选择目录"},
        {L"trailing&", 0, L"trailing&"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AcceleratorOf(c.caption), c.letter) << c.caption;
        EXPECT_EQ(StripAccelerator(c.caption), c.plain) << c.caption;
    }
}

}  // namespace
}  // namespace widgets
