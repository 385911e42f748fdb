// Tests of the picture tool's own logic: wording, the juz list reader, the
// painter's coverage and colours, and the cursor file layout.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

#include "ArabicWording.h"
#include "ImageWriters.h"
#include "MushafFacts.h"
#include "Painter.h"

using namespace pictures;

TEST(ArabicWording, JuzNamesUseCompoundOrdinals) {
    const struct { int juz; const char16_t* name; } cases[] = {
        {1, u"الجزء الأول"},           {10, u"الجزء العاشر"},
        {11, u"الجزء الحادي عشر"},      {12, u"الجزء الثاني عشر"},
        {20, u"الجزء العشرون"},         {21, u"الجزء الحادي والعشرون"},
        {29, u"الجزء التاسع والعشرون"}, {30, u"الجزء الثلاثون"},
    };
    for (const auto& c : cases) EXPECT_EQ(JuzName(c.juz), c.name) << c.juz;
    EXPECT_THROW(JuzName(31), std::out_of_range);
}

TEST(ArabicWording, NumbersInArabicIndicDigitsMostSignificantFirst) {
    EXPECT_EQ(ArabicIndicNumber(1), u"١");
    EXPECT_EQ(ArabicIndicNumber(604), u"٦٠٤");
    EXPECT_EQ(ArabicIndicNumber(50), u"٥٠");
}

TEST(JuzList, ReadsTheThirtyStartsBetweenTheFillerAndTheSentinel) {
    std::string list = "const X$1 = [\n\t9\n];\nconst JuzList$1 = [\n\t0,\n";
    for (int j = 0; j < 30; ++j) {
        list += '\t';  // appended piece by piece: the one expression draws a false -Wrestrict
        list += std::to_string(1 + j * 100);
        list += ",\n";
    }
    list += "\t6237\n];\n";
    const std::vector<int> starts = ReadJuzStarts(list);
    ASSERT_EQ(starts.size(), 30u);
    EXPECT_EQ(starts[0], 1);
    EXPECT_EQ(starts[29], 2901);
    EXPECT_THROW(ReadJuzStarts("const JuzList$1 = [0, 1, 6237];"), std::runtime_error);
    EXPECT_THROW(ReadJuzStarts("nothing here"), std::runtime_error);
}

TEST(Painter, AlphaPictureKeepsColourAndCoverageApart) {
    TPainter p(4, 2, true);
    TVectorPath square;
    square.AddRect(0, 0, 2, 2);          // pixels 0 and 1 fully covered
    square.AddRect(2, 0, 2 + 1.0 / 3, 2);  // a third of pixel 2
    p.Fill(square, Rgb(200, 100, 50));
    const TRgbaImage image = p.Finish();
    const std::uint8_t* full = image.At(1, 0);
    EXPECT_EQ(full[0], 200);
    EXPECT_EQ(full[1], 100);
    EXPECT_EQ(full[2], 50);
    EXPECT_EQ(full[3], 255);
    const std::uint8_t* edge = image.At(2, 0);
    EXPECT_EQ(edge[3], 255 - 255 * 6 / 9);  // three of nine sub-pixels
    EXPECT_NEAR(edge[0], 200, 3);           // the colour itself, not darkened
    const std::uint8_t* clear = image.At(3, 1);
    EXPECT_EQ(clear[3], 0);
    EXPECT_EQ(clear[0] & clear[1] & clear[2], 255);  // see-through pixels are white
}

TEST(Painter, EraseMakesAPictureSeeThroughAgain) {
    TPainter p(3, 3, true);
    TVectorPath all, middle;
    all.AddRect(0, 0, 3, 3);
    middle.AddRect(1, 1, 2, 2);
    p.Fill(all, Rgb(10, 20, 30));
    p.Erase(middle);
    const TRgbaImage image = p.Finish();
    EXPECT_EQ(image.At(1, 1)[3], 0);
    EXPECT_EQ(image.At(0, 1)[3], 255);
}

TEST(CursorFile, HeaderHotSpotAndMaskOfSeeThroughPixels) {
    TRgbaImage image(32, 32);
    std::uint8_t* opaque = image.At(5, 0);  // top row, drawn last bottom-up
    opaque[0] = 255, opaque[3] = 255;
    const TBytes d = EncodeCursor(image, 3, 4);
    auto u16 = [&](std::size_t at) { return unsigned(d[at] | d[at + 1] << 8); };
    auto u32 = [&](std::size_t at) { std::uint32_t v; std::memcpy(&v, &d[at], 4); return v; };
    EXPECT_EQ(u16(2), 2u);
    EXPECT_EQ(u16(10), 3u);
    EXPECT_EQ(u16(12), 4u);
    ASSERT_EQ(u32(18) + u32(14), d.size());
    const std::size_t dib = u32(18), pixels = dib + 40, mask = pixels + 32 * 32 * 4;
    EXPECT_EQ(u32(dib + 8), 64u);
    // Row 0 of the picture is the last row of the bottom-up data.
    const std::size_t top = pixels + 31 * 32 * 4 + 5 * 4;
    EXPECT_EQ(d[top + 2], 255);  // red, stored as B G R A
    EXPECT_EQ(d[top + 3], 255);
    EXPECT_EQ(d[pixels + 3], 0);  // a see-through pixel is black with alpha 0
    EXPECT_EQ(d[pixels], 0);
    const std::size_t topMask = mask + 31 * 4;
    EXPECT_EQ(d[topMask], 0xFF & ~(0x80 >> 5));  // only pixel 5 of the top row is drawn
    EXPECT_EQ(d[mask], 0xFF);
}
