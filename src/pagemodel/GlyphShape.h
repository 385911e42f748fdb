#pragma once
// One glyph shape of a page: a filled outline of one or more closed contours
// made of cubic Bézier (and straight) segments, with its own stream record.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

#include "pagemodel/PageGeometry.h"

class TByteReader;

static_assert(std::endian::native == std::endian::little,
              "segments are copied from the little-endian page data as one block");
static_assert(std::numeric_limits<float>::is_iec559, "page data floats are IEEE 754 binary32");

// Stored in one byte; any other value in the data is skipped by every operation.
enum TLineCurveKind : std::uint8_t {
    lcMove = 0,   // starts a new contour at A
    lcLine = 1,   // straight segment to A
    lcCurve = 2,  // cubic Bézier: control points A and B, end point C
};

// One segment, laid out exactly as its 28-byte record in the page data.
struct TLineCurve {
    TXYPoint A;
    TXYPoint B;
    TXYPoint C;
    TLineCurveKind Kind = lcMove;
    std::uint8_t Padding[3] = {0, 0, 0};  // zero in the data, ignored on reading
};
static_assert(sizeof(TLineCurve) == 28 && alignof(TLineCurve) == 4);
static_assert(offsetof(TLineCurve, B) == 8 && offsetof(TLineCurve, C) == 16 &&
              offsetof(TLineCurve, Kind) == 24);
static_assert(std::is_trivially_copyable_v<TLineCurve> && std::is_standard_layout_v<TLineCurve>);

// Calls `f` on each point a segment draws with: A for a move or a straight
// segment, A, B and C for a curve, none for an unknown kind. The other points
// take no part in drawing, in boxes or in moving a shape.
template <class Segment, class F>
    requires std::is_same_v<std::remove_const_t<Segment>, TLineCurve>
void ForUsedPoints(Segment& c, F f) {
    switch (c.Kind) {
    case lcMove:
    case lcLine:
        f(c.A);
        break;
    case lcCurve:
        f(c.A);
        f(c.B);
        f(c.C);
        break;
    default:
        break;
    }
}

class TGlyphShape {
public:
    // Stream record: 29 bytes plus 28 per segment.
    static constexpr std::size_t RecordFixedSize = 29;

    TXYPoint MoveToPoint;                // start point of the first contour
    std::vector<TLineCurve> CounterData;  // the segments, in drawing order (owned)
    std::int32_t PolyFillMode = 1;        // 1 = alternate (even-odd), 2 = winding
    std::uint32_t Color = 0;              // 0x00BBGGRR, fill colour when not selected
    bool AyaMark = false;                 // part of an aya mark
    std::int32_t ObjectID = 0;            // the owning word object within its page
    std::int32_t ShapeID = 0;
    std::int32_t LineNumber = 0;
    std::int32_t PageNumber = 0;
    bool Selected = false;  // drawn in the selection colour
    bool visible = true;

    std::int32_t CounterDataMax() const { return static_cast<std::int32_t>(CounterData.size()); }

    // Reads one stream record at the reader's position: the segments as one
    // block copy. A record that ends early or whose segment count cannot fit
    // in the remaining bytes raises TDataError under the reader's record name.
    void LoadFromStream(TByteReader& s);

    // The box around MoveToPoint and every segment's points, control points
    // included; computed afresh on every call.
    TExtents Extents() const;
    float MinX() const { return Extents().MinX; }
    float MaxX() const { return Extents().MaxX; }
    float MinY() const { return Extents().MinY; }
    float MaxY() const { return Extents().MaxY; }

    // p in page units, all four bounds inclusive.
    bool PointIn(TXYPoint p) const { return Extents().Contains(p); }
};
