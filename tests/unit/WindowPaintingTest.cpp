#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <vector>

#include "base/DataError.h"
#include "base/Picture.h"
#include "base/PictureEncoding.h"
#include "app/WindowPainting.h"
#include "app/WindowPictures.h"

namespace {

// A PNG-kind picture of one BGRA colour; `paint` may change single pixels.
TPicture Solid(int w, int h, TColor colour, std::uint8_t alpha) {
    TPicture p;
    p.Width = w;
    p.Height = h;
    p.Kind = TPicture::TKind::Png;
    p.Pixels.resize(std::size_t(w) * h * 4);
    for (int i = 0; i < w * h; ++i) {
        p.Pixels[4 * i + 0] = std::uint8_t(colour >> 16);
        p.Pixels[4 * i + 1] = std::uint8_t(colour >> 8);
        p.Pixels[4 * i + 2] = std::uint8_t(colour);
        p.Pixels[4 * i + 3] = alpha;
    }
    return p;
}

void SetPixel(TPicture& p, int x, int y, TColor colour, std::uint8_t alpha) {
    std::uint8_t* q = p.Pixels.data() + (std::size_t(y) * p.Width + x) * 4;
    q[0] = std::uint8_t(colour >> 16), q[1] = std::uint8_t(colour >> 8), q[2] = std::uint8_t(colour), q[3] = alpha;
}

// 400 x 400 (a 200 x 200 design drawn twice as large), see-through except an
// opaque dark ring between 20 and 40 pixels from the edge: the page-shaped
// outline with a white inside.
TPicture RingFrame() {
    TPicture f = Solid(400, 400, 0xFFFFFF, 0);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) {
            const int d = std::min(std::min(x, y), std::min(399 - x, 399 - y));
            if (d >= 20 && d < 40) SetPixel(f, x, y, 0x203040, 255);
        }
    return f;
}

// The picture as the main window holds it: a PNG of a palette, read indexed.
std::unique_ptr<TIndexedPicture> Indexed(const TPicture& p) {
    return TIndexedPicture::LoadPng(EncodePng(p.Width, p.Height, p.Pixels, TPixelOrder::Bgra));
}

// The PNG file of a number strip of three page cells of 98 x 120 pixels
// (49 x 60 drawn twice as large), page n in colour 0x000010 * n.
std::vector<std::uint8_t> NumberStripFile() {
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 98; ++x) rgb.insert(rgb.end(), {std::uint8_t(0x10 * (y / 120 + 1)), 0, 0});
    return EncodePng(98, 360, rgb, TPixelOrder::Rgb);
}

// That strip as the main window holds it.
std::unique_ptr<TIndexedPicture> NumberStrip() { return TIndexedPicture::LoadPng(NumberStripFile()); }

TEST(WindowPainting, FrameCompositeAtTheFrameSize) {
    const auto frame = Indexed(RingFrame());
    const auto numbers = NumberStrip();
    struct Case {
        int Page;
        TColor Inside;  // the white inside the ring
    } cases[] = {{1, 0x00BBDFC5}, {2, 0x00BBDFC5}, {3, WindowKeyColour}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Page);
        const TBitmap24 b = PaintFrame(frame.get(), numbers.get(), c.Page, 400, 400);
        EXPECT_EQ(b.Pixel(4, 4), WindowKeyColour);        // outside the outline: see-through
        EXPECT_EQ(b.Pixel(30, 200), 0x203040u);           // the ring
        EXPECT_EQ(b.Pixel(100, 100), c.Inside);
        // In design pixels t = 76: the number cell (76, 135)-(125, 180) inside
        // the pale box (46, 135)-(155, 180); twice that in the frame's pixels.
        EXPECT_EQ(b.Pixel(152, 270), TColor(0x10 * c.Page));
        EXPECT_EQ(b.Pixel(249, 359), TColor(0x10 * c.Page));
        EXPECT_EQ(b.Pixel(100, 280), 0x00B4DCC0u);
        EXPECT_EQ(b.Pixel(309, 359), 0x00B4DCC0u);
        EXPECT_EQ(b.Pixel(60, 320), c.Inside);  // beside the pale box
    }
}

TEST(WindowPainting, FrameReducedToTheClientKeepsTheOutline) {
    const auto frame = Indexed(RingFrame());
    const TBitmap24 b = PaintFrame(frame.get(), NumberStrip().get(), 3, 100, 150);
    EXPECT_EQ(b.Width(), 100);
    EXPECT_EQ(b.Height(), 150);
    EXPECT_EQ(b.Pixel(1, 1), WindowKeyColour);
    EXPECT_EQ(b.Pixel(7, 75), 0x203040u);  // x 7 of 100 is x 28 to 31 of the frame
    EXPECT_EQ(b.Pixel(50, 75), WindowKeyColour);
}

TEST(WindowPainting, MissingPicturesPaintPlainColours) {
    const TBitmap24 frame = PaintFrame(nullptr, nullptr, 5, 40, 60);
    const TBitmap24 splash = PaintSplash(nullptr, 40, 60);
    for (int y = 0; y < 60; y += 7)
        for (int x = 0; x < 40; x += 7) {
            EXPECT_EQ(frame.Pixel(x, y), PlainFrameColour);
            EXPECT_EQ(splash.Pixel(x, y), PlainSplashColour);
        }
    const auto frameOnly = Indexed(RingFrame());
    // No cell without a strip (a damaged or cut one is refused whole), nor
    // with one too short for the page.
    const std::vector<std::uint8_t> damaged(40, 0x89);
    std::vector<std::uint8_t> cut = NumberStripFile();
    cut.resize(cut.size() / 2);
    for (const std::vector<std::uint8_t>& strip : {damaged, cut})
        EXPECT_THROW(TIndexedPicture::LoadPng(strip), TDataError);
    EXPECT_EQ(PaintFrame(frameOnly.get(), nullptr, 3, 400, 400).Pixel(160, 280), 0x00B4DCC0u);
    EXPECT_EQ(PaintFrame(frameOnly.get(), NumberStrip().get(), 4, 400, 400).Pixel(160, 280), 0x00B4DCC0u);
}

TEST(WindowPainting, SplashBlendsOverWhiteAndKeysOutTheWhite) {
    TPicture splash = Solid(20, 20, 0x000000, 0);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x) SetPixel(splash, x, y, 0x000000, 255);
    for (int x = 10; x < 20; ++x) SetPixel(splash, x, 0, 0x000000, 128);  // half over white
    const TBitmap24 b = PaintSplash(Indexed(splash).get(), 20, 20);
    EXPECT_EQ(b.Pixel(3, 10), 0x000000u);
    EXPECT_EQ(b.Pixel(15, 10), WindowKeyColour);
    const TColor half = b.Pixel(15, 0);
    EXPECT_NE(half, WindowKeyColour);
    EXPECT_NEAR(int(half & 0xFF), 127, 2);
}

TEST(WindowPainting, KeyColouredPixelsOfAPictureStayOpaque) {
    TBitmap24 b(3, 1);
    b.Fill(0xFFFFFF);
    FillRowSpan(b.Row(0), 1, 2, WindowKeyColour);
    FillRowSpan(b.Row(0), 2, 3, 0x00FEFFFF);
    KeyOutWhite(b, WindowKeyColour);
    EXPECT_EQ(b.Pixel(0, 0), WindowKeyColour);
    EXPECT_NE(b.Pixel(1, 0), WindowKeyColour);
    EXPECT_EQ(b.Pixel(2, 0), 0x00FEFFFFu);  // near-white is not white
}

TEST(WindowPainting, HeaderStripPicturesAtBothEndsAndTheGreenLine) {
    const TPicture juz = Solid(30, 10, 0x0000FF, 255), sura = Solid(20, 10, 0xFF0000, 255);
    TBitmap24 strip(100, 10);
    PaintHeaderStrip(&juz, &sura, strip);
    EXPECT_EQ(strip.Pixel(10, 4), 0x0000FFu);  // juz: from x 10/3 to 10/3 + 30
    EXPECT_EQ(strip.Pixel(50, 4), 0xFFFFFFu);
    EXPECT_EQ(strip.Pixel(85, 4), 0xFF0000u);  // sura: the last 20 pixels
    for (int x = 0; x < 99; ++x) EXPECT_EQ(strip.Pixel(x, 9), 0x008000u) << x;
    EXPECT_NE(strip.Pixel(99, 9), 0x008000u);

    TBitmap24 empty(50, 10);
    PaintHeaderStrip(nullptr, nullptr, empty);
    EXPECT_EQ(empty.Pixel(25, 4), 0xFFFFFFu);
}


// The kept window pictures give the pixels of a whole painting after any
// sequence of page turns and resizes: a turn that reworks only the number
// cell's pixels leaves nothing of the page before. The frame has a
// translucent band across the cell, and the strip's cells are striped, so a
// pixel of the edge read wrongly shows.
TEST(WindowPainting, KeptFrameEqualsAWholePaintingAfterEveryTurn) {
    TPicture ring = RingFrame();
    for (int y = 300; y < 312; ++y)
        for (int x = 0; x < 400; ++x) SetPixel(ring, x, y, 0x808080, 100);
    std::vector<std::uint8_t> rgb;  // six cells, page n striped in 0x10 n and 0x0800 n
    for (int y = 0; y < 720; ++y)
        for (int x = 0; x < 98; ++x) {
            const int n = y / 120 + 1;
            rgb.insert(rgb.end(), {std::uint8_t((x + y) % 5 ? 0x10 * n : 0), std::uint8_t((x + y) % 5 ? 0 : 8 * n), 0});
        }
    const std::vector<std::uint8_t> stripFile = EncodePng(98, 720, rgb, TPixelOrder::Rgb);
    const auto frame = Indexed(ring);
    const auto strip = TIndexedPicture::LoadPng(stripFile);
    TWindowPictures kept(Indexed(ring), Indexed(Solid(40, 40, 0x000000, 255)), TIndexedPicture::LoadPng(stripFile));
    struct Step {
        int Page, Width, Height;
    } steps[] = {{3, 100, 150}, {4, 100, 150}, {1, 100, 150}, {5, 100, 150}, {5, 133, 97}, {6, 133, 97},
                 {2, 133, 97},  {6, 133, 97},  {7, 133, 97}, {3, 133, 97}, {4, 400, 400}, {3, 400, 400}};
    EXPECT_EQ(kept.Splash(50, 60).Pixel(25, 30), 0x000000u);
    for (const Step& s : steps) {
        SCOPED_TRACE(testing::Message() << "page " << s.Page << " at " << s.Width << " x " << s.Height);
        const TBitmap24& shown = kept.Frame(s.Page, s.Width, s.Height);
        const TBitmap24 whole = PaintFrame(frame.get(), strip.get(), s.Page, s.Width, s.Height);
        ASSERT_EQ(shown.Width(), s.Width);
        ASSERT_EQ(shown.Height(), s.Height);
        for (int y = 0; y < s.Height; ++y)
            for (int x = 0; x < s.Width; ++x) ASSERT_EQ(shown.Pixel(x, y), whole.Pixel(x, y)) << x << ", " << y;
    }
    // Without a splash picture the splash is plain, as after the first frame.
    EXPECT_EQ(kept.Splash(50, 60).Pixel(25, 30), PlainSplashColour);
}

}  // namespace
