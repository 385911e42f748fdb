#include <gtest/gtest.h>

#include <random>

#include "base/Picture.h"
#include "render/Downsample3x.h"
#include "render/PictureReduction.h"

namespace {

TBitmap24 Noise(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    TBitmap24 b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < 3 * w; ++x) b.Row(y)[x] = std::uint8_t(random());
    return b;
}

bool Same(const TBitmap24& a, const TBitmap24& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    return true;
}

}  // namespace

// At a third of the size the reduction is the renderer's own 3 x 3 mean, and
// at the same size it copies.
TEST(PictureReduction, AgreesWithTheRenderersFilter) {
    const TBitmap24 source = Noise(63, 45, 7);
    TBitmap24 reduced(21, 15), downsampled(21, 15);
    ReduceBitmap(source, reduced);
    Downsample3x(source, downsampled);
    EXPECT_TRUE(Same(reduced, downsampled));
    TBitmap24 copy(63, 45);
    ReduceBitmap(source, copy);
    EXPECT_TRUE(Same(copy, source));
}

// A picture twice the size is averaged, not sampled: columns alternating
// black and white halve to grey. The nine samples of a target pixel fall on
// its two source columns one and two times.
TEST(PictureReduction, HalvingAveragesNeighbouringPixels) {
    TBitmap24 stripes(8, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) FillRowSpan(stripes.Row(y), x, x + 1, x % 2 ? 0xFFFFFF : 0x000000);
    TBitmap24 half(4, 2);
    ReduceBitmap(stripes, half);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(half.Pixel(x, 1), 0xAAAAAAu) << x;
}

TEST(PictureReduction, PictureAlphaBlendsOverTheGround) {
    TPicture p;
    p.Width = 4;
    p.Height = 4;
    p.Kind = TPicture::TKind::Png;
    p.Pixels.assign(4 * 4 * 4, 0);
    for (int i = 0; i < 16; ++i) p.Pixels[std::size_t(i) * 4 + 3] = i < 8 ? 255 : 0;  // upper half black, lower see-through
    const TBitmap24 shown = ReducePicture(p, 2, 2, 0x00336699);
    EXPECT_EQ(shown.Pixel(0, 0), 0x000000u);
    EXPECT_EQ(shown.Pixel(1, 1), 0x00336699u);
    const TBitmap24 empty = ReducePicture(TPicture{}, 3, 3, 0x00336699);
    EXPECT_EQ(empty.Pixel(2, 2), 0x00336699u);
}
