#include <gtest/gtest.h>

#include "app/SizeGrip.h"

TEST(SizeGrip, RectangleAndHitTest) {
    const TRectI grip = SizeGripRect(585, 864, false);
    EXPECT_EQ(grip, (TRectI{555, 834, 585, 864}));
    struct Case { int X, Y, Hit; } cases[] = {
        {555, 834, HitBottomRight}, {584, 863, HitBottomRight},
        {554, 850, 0}, {570, 833, 0}, {585, 863, 0}, {10, 10, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(SizeGripHitTest(grip, c.X, c.Y, false), c.Hit) << c.X << "," << c.Y;

    const TRectI rtl = SizeGripRect(585, 864, true);
    EXPECT_EQ(rtl, (TRectI{0, 834, 30, 864}));
    EXPECT_EQ(SizeGripHitTest(rtl, 0, 863, true), HitBottomLeft);
    EXPECT_EQ(SizeGripHitTest(rtl, 570, 850, true), 0);
}

TEST(SizeGrip, MidColourIsPerChannelMean) {
    EXPECT_EQ(GripMidColour(0x00F0F0F0, 0x00A0A0A0), 0x00C8C8C8u);
    EXPECT_EQ(GripMidColour(0x000000FF, 0x00FF0001), 0x007F0080u);  // channels never carry
}

TEST(SizeGrip, ClassicLines) {
    const auto lines = ClassicGripLines({70, 70, 100, 100});
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], (TGripLine{gcShadow, 98, 99, 100, 97}));
    EXPECT_EQ(lines[1], (TGripLine{gcShadow, 94, 99, 100, 93}));
    EXPECT_EQ(lines[2], (TGripLine{gcShadow, 90, 99, 100, 89}));
    EXPECT_EQ(lines[3], (TGripLine{gcMid, 97, 99, 100, 96}));
    EXPECT_EQ(lines[8], (TGripLine{gcHighlight, 88, 99, 100, 87}));
}

TEST(SizeGrip, WinXPDots) {
    const auto pixels = WinXPGripPixels({70, 70, 100, 100});
    ASSERT_EQ(pixels.size(), 42u);
    // The first dot at (96, 88).
    const TGripPixel first[] = {{gcShadow, 96, 88}, {gcShadow, 97, 88}, {gcShadow, 96, 89}, {gcMid, 97, 89},
                                {gcHighlight, 98, 89}, {gcHighlight, 97, 90}, {gcHighlight, 98, 90}};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(pixels[i], first[i]) << i;
    EXPECT_EQ(pixels[41], (TGripPixel{gcHighlight, 98, 98}));  // last dot at (96, 96)
}
