// Pictures shown centred and proportional: scaled down to fit, never enlarged.
#include <gtest/gtest.h>

#include "base/PictureFit.h"

TEST(PictureFit, CentredProportionalNeverEnlarged) {
    struct {
        int PW, PH, BW, BH;
        TControlPlace Expected;  // left, top, width, height
    } const cases[] = {
        {420, 49, 481, 49, {30, 0, 420, 49}},     // fits: kept, centred across
        {340, 129, 481, 129, {70, 0, 340, 129}},
        {420, 49, 300, 49, {0, 7, 300, 35}},      // too wide: 300 × 35, centred down
        {360, 169, 481, 100, {134, 0, 213, 100}},  // too tall: 213 × 100
        {10, 10, 20, 30, {5, 10, 10, 10}},        // small: never enlarged
        {1000, 1, 10, 10, {0, 4, 10, 1}},         // a sliver keeps one pixel
    };
    for (const auto& c : cases) {
        const TControlPlace r = FitPictureRect(c.PW, c.PH, c.BW, c.BH);
        EXPECT_EQ(r, c.Expected) << c.PW << 'x' << c.PH << " in " << c.BW << 'x' << c.BH << " gave " << r.Left << ','
                                 << r.Top << ' ' << r.Width << 'x' << r.Height;
    }
    EXPECT_EQ(FitPictureRect(0, 10, 10, 10), TControlPlace{});
    EXPECT_EQ(FitPictureRect(10, 10, 0, 10), TControlPlace{});
}
