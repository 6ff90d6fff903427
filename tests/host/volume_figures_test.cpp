// The summary's texts from what the system says of a volume.
#include <gtest/gtest.h>

#include "views/VolumeFigures.h"

namespace views {
namespace {

constexpr uint64_t kGiB = 1073741824;

TEST(VolumeFigures, AVolumeThatAnswersEverything) {
    VolumeFacts facts{L"C:\\", 3, platform::ClusterGeometry{8, 512},
                      platform::VolumeSpace{40 * kGiB, 100 * kGiB}};
    const VolumeFigures f = DescribeVolume(facts, {L",", L"."});
    EXPECT_EQ(f.path, L"C:\\");
    EXPECT_EQ(f.type, L"本地硬盘");
    EXPECT_EQ(f.clusterSize, L"4,096 Bytes");
    EXPECT_EQ(f.capacity, L"100.0GB");
    EXPECT_EQ(f.used, L"60.0GB");
    EXPECT_EQ(f.free, L"40.0GB");
    ASSERT_TRUE(f.hasSlices);
    EXPECT_EQ(f.usedBytes, static_cast<spandle::Size>(60 * kGiB));
    EXPECT_EQ(f.freeBytes, static_cast<spandle::Size>(40 * kGiB));
    // The user's separators, whatever they are.
    EXPECT_EQ(DescribeVolume({L"D:\\", 3, platform::ClusterGeometry{128, 512}, std::nullopt},
                             {L".", L","})
                  .clusterSize,
              L"65.536 Bytes");
}

TEST(VolumeFigures, ARootThatDoesNotAnswerShowsOnlyPathAndType) {
    const VolumeFigures f = DescribeVolume({L"A:\\", 2, std::nullopt, std::nullopt}, {});
    EXPECT_EQ(f.path, L"A:\\");
    EXPECT_EQ(f.type, L"软盘");
    EXPECT_EQ(f.clusterSize + f.capacity + f.used + f.free, L"");
    EXPECT_FALSE(f.hasSlices);
}

TEST(VolumeFigures, UnknownSpaceCountsAsMinusOne) {
    const VolumeFigures f =
        DescribeVolume({L"E:\\", 3, platform::ClusterGeometry{1, 4096}, std::nullopt}, {});
    EXPECT_EQ(f.clusterSize, L"4,096 Bytes");
    EXPECT_EQ(f.capacity, L"-1Byte");
    EXPECT_EQ(f.used, L"0Byte");
    EXPECT_EQ(f.free, L"-1Byte");
}

TEST(VolumeFigures, DriveTypeTexts) {
    const wchar_t* texts[] = {L"未知",     L"无效的根路径", L"软盘",     L"本地硬盘",
                              L"网络磁盘", L"CD-ROM",       L"RAM 磁盘", L""};
    for (unsigned code = 0; code < 8; ++code) EXPECT_EQ(DriveTypeText(code), texts[code]) << code;
}

}  // namespace
}  // namespace views
