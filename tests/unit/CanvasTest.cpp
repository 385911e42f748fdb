#include <gtest/gtest.h>

#include "render/Canvas.h"
#include "base/Picture.h"

namespace {
TPicture MakePicture(TPicture::TKind kind, int w, int h, std::uint32_t bgra) {
    TPicture p;
    p.Kind = kind;
    p.Width = w;
    p.Height = h;
    p.Pixels.resize(std::size_t(w) * h * 4);
    for (std::size_t i = 0; i < p.Pixels.size(); i += 4)
        for (int c = 0; c < 4; ++c) p.Pixels[i + c] = std::uint8_t(bgra >> (8 * c));
    return p;
}
}  // namespace

TEST(Canvas, FillRectIsClippedToTheBitmap) {
    TBitmap24 bitmap(5, 4);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    canvas.SetBrushColor(0x123456);
    canvas.FillRect({-3, 2, 2, 10});
    EXPECT_EQ(bitmap.Pixel(0, 3), 0x123456u);
    EXPECT_EQ(bitmap.Pixel(1, 2), 0x123456u);
    EXPECT_EQ(bitmap.Pixel(2, 2), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0xFFFFFFu);
}

TEST(Canvas, PathIsFilledOnlyByFillPathAndThenDiscarded) {
    TBitmap24 bitmap(8, 8);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    canvas.SetBrushColor(0x008000);
    canvas.BeginPath();
    canvas.MoveTo({1, 1});
    canvas.LineTo({5, 1});
    canvas.PolyBezierTo({5, 1}, {5, 5}, {5, 5});
    canvas.LineTo({1, 5});
    canvas.EndPath();
    EXPECT_EQ(bitmap.Pixel(2, 2), 0xFFFFFFu);
    canvas.FillPath();
    EXPECT_EQ(bitmap.Pixel(2, 2), 0x008000u);
    EXPECT_EQ(bitmap.Pixel(5, 2), 0xFFFFFFu);
    canvas.SetBrushColor(0);
    canvas.FillPath();  // nothing left to fill
    EXPECT_EQ(bitmap.Pixel(2, 2), 0x008000u);
}

TEST(Canvas, FillModeAcceptsOnlyAlternateAndWinding) {
    TBitmap24 bitmap(1, 1);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    EXPECT_EQ(canvas.PolyFillMode(), 1);
    canvas.SetPolyFillMode(2);
    canvas.SetPolyFillMode(7);
    EXPECT_EQ(canvas.PolyFillMode(), 2);
}

TEST(Canvas, PictureIsScaledIntoTheRectangle) {
    TPicture picture = MakePicture(TPicture::TKind::Jpeg, 2, 1, 0x00000000);
    picture.Pixels[4] = 255;  // right pixel blue (alpha ignored for JPEG)
    TBitmap24 bitmap(6, 3);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    canvas.DrawPicture(picture, {1, 1, 5, 3});
    EXPECT_EQ(bitmap.Pixel(0, 1), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x000000u);
    EXPECT_EQ(bitmap.Pixel(2, 2), 0x000000u);
    EXPECT_EQ(bitmap.Pixel(3, 1), 0xFF0000u);
    EXPECT_EQ(bitmap.Pixel(4, 2), 0xFF0000u);
    EXPECT_EQ(bitmap.Pixel(5, 2), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0xFFFFFFu);
}

TEST(Canvas, PngIsBlendedByItsAlpha) {
    struct TCase { std::uint8_t alpha; std::uint8_t expected; };
    // Black over white: 255 (255 - a) / 255, rounded to nearest.
    const TCase cases[] = {{0, 255}, {255, 0}, {128, 127}, {1, 254}, {64, 191}};
    for (const TCase& c : cases) {
        TPicture picture = MakePicture(TPicture::TKind::Png, 1, 1, std::uint32_t(c.alpha) << 24);
        TBitmap24 bitmap(1, 1);
        bitmap.Fill(0xFFFFFF);
        TBitmapTarget target(bitmap);
        TCanvas canvas(target);
        canvas.DrawPicture(picture, {0, 0, 1, 1});
        EXPECT_EQ(bitmap.Pixel(0, 0), TColor(c.expected) * 0x010101u) << int(c.alpha);
    }
}

TEST(Canvas, CopyBitmapIsClipped) {
    TBitmap24 source(3, 3), bitmap(4, 4);
    source.Fill(0x0000FF);
    bitmap.Fill(0xFFFFFF);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    canvas.CopyBitmap(source, 2, -1);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0x0000FFu);
    EXPECT_EQ(bitmap.Pixel(3, 1), 0x0000FFu);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFFFFFFu);
}
