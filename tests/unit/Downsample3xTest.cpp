#include <gtest/gtest.h>

#include "render/Downsample3x.h"

// A black glyph over k of the nine sub-pixels gives 255 (9 - k) / 9, rounded down.
TEST(Downsample3x, TenCoverageLevels) {
    const int expected[10] = {255, 226, 198, 170, 141, 113, 85, 56, 28, 0};
    TBitmap24 source(30, 3), target(10, 1);
    source.Fill(0xFFFFFF);
    for (int k = 0; k <= 9; ++k)
        for (int i = 0; i < k; ++i) {
            std::uint8_t* p = source.Row(i / 3) + (3 * k + i % 3) * 3;
            p[0] = p[1] = p[2] = 0;
        }
    Downsample3x(source, target);
    for (int k = 0; k <= 9; ++k) EXPECT_EQ(target.Pixel(k, 0), TColor(expected[k]) * 0x010101u) << k;
}

TEST(Downsample3x, ChannelsAreAveragedSeparatelyAndTruncated) {
    TBitmap24 source(6, 6), target(2, 2);
    source.Fill(0x000000);
    // Block (1, 1): one sub-pixel pure red, one pure blue, one green 200.
    source.Row(3)[3 * 3 + 2] = 255;      // red of (3, 3)
    source.Row(4)[4 * 3 + 0] = 255;      // blue of (4, 4)
    source.Row(5)[5 * 3 + 1] = 200;      // green of (5, 5)
    Downsample3x(source, target);
    EXPECT_EQ(target.Pixel(1, 1), TColor(28) | TColor(22) << 8 | TColor(28) << 16);
    EXPECT_EQ(target.Pixel(0, 0), 0u);
    EXPECT_EQ(target.Pixel(1, 0), 0u);
}
