#include <gtest/gtest.h>

#include "app/HeaderStrip.h"

TEST(HeaderStrip, PicturesAndPlan) {
    EXPECT_FALSE(HasHeaderPictures(2));
    EXPECT_TRUE(HasHeaderPictures(3));
    EXPECT_TRUE(HasHeaderPictures(604));
    EXPECT_FALSE(HasHeaderPictures(605));
    EXPECT_EQ(JuzNamePictureName(3), u"jozaaname3");
    EXPECT_EQ(SuraNamePictureName(604), u"soraname604");
    THeaderStrip strip;
    EXPECT_FALSE(strip.ShowPage(2));
    EXPECT_TRUE(strip.ShowPage(3));
    EXPECT_FALSE(strip.ShowPage(1));
    EXPECT_EQ(strip.PicturesPage(), 3);
    struct Case { bool Opening, Splash; int Page; bool Shown; } cases[] = {
        {false, false, 3, true}, {true, false, 3, false}, {false, true, 3, false}, {false, false, 2, false},
    };
    for (const Case& c : cases) {
        THeaderStrip s;
        s.MouseEnteredWindow(c.Opening, c.Splash, c.Page);
        EXPECT_EQ(s.Visible(), c.Shown) << c.Page;
    }
    // A 40-pixel strip 497 wide; pictures 66 high, 106 and 610 wide.
    const THeaderStripPlan p = HeaderStripPlan(497, 40, 106, 66, 610, 66);
    EXPECT_EQ(p.JuzTarget, (TRectI{10, 0, 10 + 3 * 64, 120}));        // Round(40 × 106 / 66) = 64
    EXPECT_EQ(p.SuraTarget, (TRectI{3 * 497 - 3 * 370, 0, 1491, 120}));  // Round(369.7) = 370
    EXPECT_EQ(p.LineY, 39);
    EXPECT_EQ(p.LineEndX, 496);
    EXPECT_EQ(p.LineColour, 0x00008000u);
}
