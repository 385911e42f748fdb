// Glyphs placed by the composer: wherever a glyph stands, at one size it is
// the same outline, as the outline dictionary of the packed pages sees it.
#include <gtest/gtest.h>

#include <string>

#include "GlyphOutlines.h"
#include "pagemodel/OutlineDictionary.h"

using namespace compose;

TEST(GlyphOutlines, AGlyphIsOneOutlineWhereverItStands) {
    GlyphOutlines outlines;
    std::string err;
    ASSERT_TRUE(outlines.Load(TIRAVEL_QURAN_FACE, 0.045 / 29, err)) << err;
    const double k = 29.0 / outlines.UnitsPerEm();
    // Origins between the grid's points, on them, and half a step off them.
    const double origins[][2] = {{100.3, 200.7},   {333.0017, 12.345}, {0.5 / 256, 1.5 / 256},
                                 {571.25, 880.5},  {12.75 + 0.5 / 256, 47.1}, {-3.2, 940.9}};
    int glyphs = 0;
    for (uint32_t glyph = 1; glyph < 400; ++glyph) {
        const GlyphOutline& o = outlines.Of(glyph);
        // Outlines with points further apart than the dictionary's steps
        // reach (128 units, far wider than a letter) are kept as they stand.
        if (o.pieces.size() < 3 || (o.xMax - o.xMin) * k > 100) continue;
        ++glyphs;
        const TOutlineRecord first = OutlineRecordOf(outlines.Place(glyph, origins[0][0], origins[0][1], k));
        for (const auto& o : origins)
            EXPECT_EQ(OutlineRecordOf(outlines.Place(glyph, o[0], o[1], k)), first)
                << "glyph " << glyph << " at " << o[0] << ", " << o[1];
    }
    ASSERT_GT(glyphs, 0);
}
