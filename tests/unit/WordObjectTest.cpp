#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/ByteReader.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/WordObject.h"
#include "PageFixtures.h"

namespace {

// Two glyph boxes side by side with a gap from x 20 to 30.
std::unique_ptr<TWordObject> TwoGlyphWord() {
    auto w = std::make_unique<TWordObject>();
    w->Glyphs.push_back(BoxShape({10, 10, 20, 20}));
    w->Glyphs.push_back(BoxShape({30, 10, 40, 30}));
    return w;
}

}  // namespace

using WordObject = PageScaleOne;

TEST_F(WordObject, RecordWithoutGlyphsIs30BytesAndReportsTheStartExtents) {
    TWordObject w;
    w.ObjectID = 9;
    w.LineNumber = 4;
    w.PageNumber = 77;
    w.AyaMark = true;
    w.SuraNumber = 114;
    w.AyaNumber = 6;
    w.ObjectInayaNumber = 3;
    w.ObjectType = otAyaMark;
    std::vector<std::uint8_t> bytes;
    AppendWordRecord(bytes, w);
    ASSERT_EQ(bytes.size(), 30u);

    TByteReader r(bytes);
    TWordObject t;
    t.LoadFromStream(r);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.ObjectID, 9);
    EXPECT_EQ(t.LineNumber, 4);
    EXPECT_EQ(t.PageNumber, 77);
    EXPECT_TRUE(t.AyaMark);
    EXPECT_EQ(t.SuraNumber, 114);
    EXPECT_EQ(t.AyaNumber, 6);
    EXPECT_EQ(t.ObjectInayaNumber, 3);
    EXPECT_EQ(t.ObjectType, otAyaMark);
    EXPECT_EQ(t.MinX(), 3.4028235e38f);
    EXPECT_EQ(t.MaxX(), 1.1754944e-38f);
    EXPECT_EQ(t.MinY(), 3.4028235e38f);
    EXPECT_EQ(t.MaxY(), 1.1754944e-38f);
}

TEST_F(WordObject, RecordHoldsItsGlyphRecordsInOrder) {
    auto w = TwoGlyphWord();
    std::vector<std::uint8_t> bytes;
    AppendWordRecord(bytes, *w);
    ASSERT_EQ(bytes.size(), 30u + 2 * (29u + 4 * 28u));

    TByteReader r(bytes);
    TWordObject t;
    t.LoadFromStream(r);
    ASSERT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Glyphs[0]->MaxX(), 20);
    EXPECT_EQ(t.Glyphs[1]->MinX(), 30);
    EXPECT_EQ(t.MinX(), 10);
    EXPECT_EQ(t.MaxX(), 40);
    EXPECT_EQ(t.MaxY(), 30);
}

TEST_F(WordObject, GlyphHitSelectsTheWholeWordAndDeselectingClearsEveryGlyph) {
    auto w = TwoGlyphWord();
    EXPECT_EQ(w->SelectGlyphContainPoint({35, 25}), 1);
    EXPECT_TRUE(w->Selected());
    EXPECT_TRUE(w->Glyphs[0]->Selected);
    EXPECT_TRUE(w->Glyphs[1]->Selected);

    w->SetSelected(false);
    EXPECT_FALSE(w->Glyphs[0]->Selected);
    EXPECT_FALSE(w->Glyphs[1]->Selected);
}

TEST_F(WordObject, PointInTheGapBetweenGlyphBoxesHitsNoGlyph) {
    auto w = TwoGlyphWord();
    EXPECT_TRUE(w->PointIn({25, 15}));
    EXPECT_EQ(w->SelectGlyphContainPoint({25, 15}), -1);
    EXPECT_FALSE(w->Selected());
    EXPECT_FALSE(w->Glyphs[0]->Selected);
}

TEST_F(WordObject, GlyphHitConvertsPixelsWithPageScale) {
    auto w = TwoGlyphWord();
    PageScale = 0.5f;
    EXPECT_EQ(w->SelectGlyphContainPoint({35, 25}), -1);  // page point (70, 50)
    EXPECT_EQ(w->SelectGlyphContainPoint({7, 7}), 0);     // page point (14, 14)
}

TEST_F(WordObject, DistanceToTheBoxOfTheWord) {
    TWordObject w;
    w.Glyphs.push_back(BoxShape({10, 20, 30, 40}));
    struct Case {
        float Scale;
        TPixelPoint P;
        long double Distance;
    };
    const Case cases[] = {
        {1.0f, {7, 16}, 5},        // 3 left of and 4 above the top-left corner
        {1.0f, {33, 44}, 5},       // 3 right of and 4 below the bottom-right corner
        {1.0f, {10, 25}, 0},       // on the left edge
        {1.0f, {20, 30}, 0},       // inside
        {1.0f, {20, 50}, 10},      // straight below
        {0.5f, {5, 8}, 4},         // page point (10, 16)
    };
    for (const Case& c : cases) {
        PageScale = c.Scale;
        EXPECT_EQ(w.GetPointDistanceFloat(c.P), c.Distance) << c.P.X << "," << c.P.Y;
    }
}
