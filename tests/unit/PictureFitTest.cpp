// Pictures shown centred and proportional: scaled down to fit, never enlarged.
#include <gtest/gtest.h>

#include "display/PictureFit.h"

namespace {
bool Same(const TPixelRect& a, const TPixelRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}
}  // namespace

TEST(PictureFit, CentredProportionalNeverEnlarged) {
    struct {
        int PW, PH, BW, BH;
        TPixelRect Expected;
    } const cases[] = {
        {420, 49, 481, 49, {30, 0, 450, 49}},     // fits: kept, centred across
        {340, 129, 481, 129, {70, 0, 410, 129}},
        {420, 49, 300, 49, {0, 7, 300, 42}},      // too wide: 300 × 35, centred down
        {360, 169, 481, 100, {134, 0, 347, 100}},  // too tall: 213 × 100
        {10, 10, 20, 30, {5, 10, 15, 20}},        // small: never enlarged
        {1000, 1, 10, 10, {0, 4, 10, 5}},         // a sliver keeps one pixel
    };
    for (const auto& c : cases) {
        const TPixelRect r = FitPictureRect(c.PW, c.PH, c.BW, c.BH);
        EXPECT_TRUE(Same(r, c.Expected)) << c.PW << 'x' << c.PH << " in " << c.BW << 'x' << c.BH << " gave " << r.Left
                                         << ',' << r.Top << ',' << r.Right << ',' << r.Bottom;
    }
    EXPECT_TRUE(Same(FitPictureRect(0, 10, 10, 10), {}));
    EXPECT_TRUE(Same(FitPictureRect(10, 10, 0, 10), {}));
}
