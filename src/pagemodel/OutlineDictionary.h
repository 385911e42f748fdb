#pragma once
// The glyph outlines that the packed pages share. The Mushaf is set from a
// few thousand outlines drawn at many places; the dictionary keeps each once,
// relative to the MoveToPoint of the shapes that draw it, and a packed page
// names it by its index (PackedPage.h).
//
// A grid outline is one whose points (those it draws with, ForUsedPoints)
// lie on the 1/256-unit grid around the MoveToPoint m, each p coming back bit
// for bit as GridPoint(m, steps), each within 128 units (a 16-bit number of
// steps) of the point before, and whose other points are zero. So are the
// composed pages' outlines: their points and glyph origins lie on that grid,
// and every occurrence of a glyph is the same grid outline. It is kept as its
// segments' kinds and its points in grid steps, each from the point before
// (the first from m). Any other outline is kept verbatim and placed unmoved.
//
// The resource OutlineDictionaryName:
//
//   "TZD2"  u32 key  u32 outline count N  u32 grid segment count G
//           u32 grid point count P  u32 verbatim segment count V
//   zlib stream of, each part byte plane by byte plane:
//     N heads (u32: segment count, top bit set for a verbatim outline)
//     G kinds (u8) of the grid outlines' segments, outline after outline
//     P points (i16 x, i16 y in grid steps) of the grid outlines
//     V segments (28 bytes, padding zero) of the verbatim outlines
//
// The key identifies the content; a packed page names the key it was packed
// against.
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/OutsideNames.h"
#include "pagemodel/GlyphShape.h"

inline constexpr char OutlineDictionaryMagic[4] = {'T', 'Z', 'D', '2'};

// The point `steps` grid steps from `origin` along one axis.
inline float GridPoint(float origin, std::int32_t steps) { return float(steps) / 256.0f + origin; }

// A shape's outline in the form the dictionary keeps it: its u32 head, then
// for a grid outline its kinds and points, for a verbatim one its segments.
// The bytes are also the outline's identity.
using TOutlineRecord = std::string;
TOutlineRecord OutlineRecordOf(const TGlyphShape& shape);

// Collects distinct outlines in the order they are first entered.
class TOutlineDictionaryBuilder {
public:
    TOutlineDictionaryBuilder() = default;
    // FRecords points into FIndex: a copy would point into the original.
    TOutlineDictionaryBuilder(const TOutlineDictionaryBuilder&) = delete;
    TOutlineDictionaryBuilder& operator=(const TOutlineDictionaryBuilder&) = delete;

    // The outline's index, the same for equal records.
    std::uint32_t Enter(const TOutlineRecord& outline);
    std::size_t Count() const { return FRecords.size(); }
    // Changes with every outline entered.
    std::uint32_t Key() const { return FKey; }
    // The dictionary resource.
    std::vector<std::uint8_t> Write() const;

private:
    std::vector<const TOutlineRecord*> FRecords;  // in FIndex, in index order
    std::unordered_map<TOutlineRecord, std::uint32_t> FIndex;
    std::uint32_t FKey = 1;  // adler-32 of the records in order
};

// The dictionary as the reader uses it, read once and kept.
class TOutlineDictionary {
public:
    // Raises TDataError naming the part ("outline dictionary", "… heads",
    // "… kinds") and the offset where the stored bytes break: a short or
    // damaged stream, a kind a grid outline cannot have, or heads and kinds
    // that do not add up to the stated counts.
    explicit TOutlineDictionary(std::span<const std::uint8_t> stored);

    std::uint32_t Key() const { return FKey; }
    std::size_t Count() const { return FOutlines.size(); }
    std::size_t SegmentCount(std::size_t outline) const { return FOutlines[outline].Segments; }

    // Sets shape.CounterData to outline `outline` (< Count()) placed at the
    // shape's MoveToPoint, segment padding zero.
    void Place(std::size_t outline, TGlyphShape& shape) const;
    // Whether Place gives every point a segment draws with as a finite
    // number, wherever a finite MoveToPoint stands: true for a grid outline,
    // false for a verbatim one holding a coordinate that is no number.
    bool PlacesFinitePoints(std::size_t outline) const { return FOutlines[outline].Finite; }

private:
    struct TStart {
        std::uint32_t Segments = 0;
        bool Verbatim = false;
        bool Finite = true;
        std::size_t First = 0;  // its first kind (grid) or segment (verbatim)
        std::size_t Point = 0;  // its first point (grid)
    };
    std::uint32_t FKey = 0;
    std::vector<TStart> FOutlines;
    // A grid outline's points, in grid steps from the point before.
    struct TStep {
        std::int16_t X, Y;
    };
    std::vector<std::uint8_t> FKinds;  // of the grid outlines' segments
    std::vector<TStep> FSteps;
    std::vector<TLineCurve> FVerbatim;
};
