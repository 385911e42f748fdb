#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "base/ByteReader.h"
#include "pagemodel/PageDataWriter.h"
#include "pagemodel/GlyphShape.h"
#include "PageFixtures.h"

namespace {

TGlyphShape LoadShape(const std::vector<std::uint8_t>& bytes) {
    TByteReader r(bytes);
    TGlyphShape s;
    s.LoadFromStream(r);
    EXPECT_TRUE(r.AtEnd());
    return s;
}

TLineCurve Segment(TLineCurveKind kind, TXYPoint a, TXYPoint b = {}, TXYPoint c = {}) {
    TLineCurve seg;
    seg.A = a;
    seg.B = b;
    seg.C = c;
    seg.Kind = kind;
    return seg;
}

}  // namespace

TEST(GlyphShape, RecordWithoutSegmentsIs29BytesAndSpansOnlyItsStartPoint) {
    TGlyphShape s;
    s.MoveToPoint = {12.5f, 40.25f};
    s.AyaMark = true;
    s.ObjectID = 7;
    s.ShapeID = 3;
    s.LineNumber = 15;
    s.PageNumber = 604;
    std::vector<std::uint8_t> bytes;
    AppendShapeRecord(bytes, s);
    ASSERT_EQ(bytes.size(), 29u);

    TGlyphShape t = LoadShape(bytes);
    EXPECT_EQ(t.CounterDataMax(), 0);
    EXPECT_EQ(t.MinX(), 12.5f);
    EXPECT_EQ(t.MaxX(), 12.5f);
    EXPECT_EQ(t.MinY(), 40.25f);
    EXPECT_EQ(t.MaxY(), 40.25f);
    EXPECT_TRUE(t.AyaMark);
    EXPECT_EQ(t.ObjectID, 7);
    EXPECT_EQ(t.ShapeID, 3);
    EXPECT_EQ(t.LineNumber, 15);
    EXPECT_EQ(t.PageNumber, 604);
    // Not stored: these keep their defaults.
    EXPECT_EQ(t.PolyFillMode, 1);
    EXPECT_EQ(t.Color, 0u);
    EXPECT_FALSE(t.Selected);
    EXPECT_TRUE(t.visible);
}

TEST(GlyphShape, SegmentsTravelAs28ByteRecordsAtFixedOffsets) {
    auto s = BoxShape({1, 2, 3, 4});
    std::vector<std::uint8_t> bytes;
    AppendShapeRecord(bytes, *s);
    ASSERT_EQ(bytes.size(), 29u + 28u * 4);

    auto f32 = [&](std::size_t at) {
        float v;
        std::memcpy(&v, bytes.data() + at, 4);
        return v;
    };
    EXPECT_EQ(bytes[8], 4);                       // segment count, little-endian
    EXPECT_EQ(f32(12), 1.0f);                     // first segment A.x
    EXPECT_EQ(bytes[12 + 24], lcMove);            // its kind
    EXPECT_EQ(f32(12 + 28 + 16 + 4), 2.0f);       // second segment C.y
    EXPECT_EQ(bytes[12 + 28 + 24], lcCurve);

    TGlyphShape t = LoadShape(bytes);
    ASSERT_EQ(t.CounterDataMax(), 4);
    EXPECT_EQ(std::memcmp(t.CounterData.data(), s->CounterData.data(), 4 * sizeof(TLineCurve)), 0);
}

TEST(GlyphShape, SegmentPaddingIsIgnoredOnReadingAndWrittenAsZero) {
    auto s = BoxShape({10, 20, 30, 40});
    std::memset(s->CounterData[1].Padding, 0xEE, 3);  // whatever memory holds
    std::vector<std::uint8_t> bytes;
    AppendShapeRecord(bytes, *s);
    for (int seg = 0; seg < 4; ++seg)
        for (int i = 25; i < 28; ++i) EXPECT_EQ(bytes[12 + 28 * seg + i], 0) << seg << ":" << i;

    for (int seg = 0; seg < 4; ++seg) std::memset(&bytes[12 + 28 * seg + 25], 0xA5, 3);
    TGlyphShape t = LoadShape(bytes);
    EXPECT_EQ(t.CounterData[0].Kind, lcMove);
    EXPECT_EQ(t.CounterData[3].Kind, lcCurve);
    EXPECT_EQ(t.MinX(), 10);
    EXPECT_EQ(t.MaxX(), 30);
    EXPECT_EQ(t.MinY(), 20);
    EXPECT_EQ(t.MaxY(), 40);
    EXPECT_TRUE(t.PointIn({30, 40}));
}

TEST(GlyphShape, ExtentsTakeTheControlPointsAndSkipUnknownKinds) {
    TGlyphShape s;
    s.MoveToPoint = {10, 10};
    s.CounterData = {
        Segment(lcMove, {10, 10}),
        // A curve that bulges to x 50 through its control point only.
        Segment(lcCurve, {50, 12}, {20, 30}, {20, 20}),
        // A straight piece: B and C take no part even when they hold values.
        Segment(lcLine, {15, 5}, {-100, -100}, {900, 900}),
        Segment(static_cast<TLineCurveKind>(7), {-500, -500}, {-500, -500}, {700, 700}),
    };
    EXPECT_EQ(s.MinX(), 10);
    EXPECT_EQ(s.MaxX(), 50);
    EXPECT_EQ(s.MinY(), 5);
    EXPECT_EQ(s.MaxY(), 30);

    // Always the current points: nothing is cached.
    s.CounterData[1].B.y = 60;
    EXPECT_EQ(s.MaxY(), 60);
}

TEST(GlyphShape, PointInIncludesAllFourBounds) {
    auto s = BoxShape({10, 20, 30, 40});
    struct Case {
        TXYPoint P;
        bool In;
    };
    const float below10 = std::nextafter(10.0f, 0.0f), above30 = std::nextafter(30.0f, 100.0f);
    const float below20 = std::nextafter(20.0f, 0.0f), above40 = std::nextafter(40.0f, 100.0f);
    const Case cases[] = {
        {{10, 25}, true},      {{30, 25}, true},      {{15, 20}, true},  {{15, 40}, true},
        {{10, 20}, true},      {{30, 40}, true},      {{20, 30}, true},  {{below10, 25}, false},
        {{above30, 25}, false}, {{15, below20}, false}, {{15, above40}, false},
    };
    for (const Case& c : cases) EXPECT_EQ(s->PointIn(c.P), c.In) << c.P.x << "," << c.P.y;
}
