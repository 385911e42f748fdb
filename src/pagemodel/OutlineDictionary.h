#pragma once
// The glyph outlines that the packed pages share. The Mushaf is set from a
// few thousand outlines drawn at many places; the dictionary keeps each once,
// its points relative to the MoveToPoint of the shapes that draw it, and a
// packed page names it by its index (PackedPage.h).
//
// An outline is kept relative when every point it draws with (ForUsedPoints)
// comes back bit for bit as (p - m) + m in binary32, m being the MoveToPoint:
// so it does on the composed pages, whose points and glyph origins lie on one
// grid, and then every occurrence of a glyph is the same relative outline.
// Any other outline is kept absolute, as it stands, and placed unmoved.
//
// The resource OutlineDictionaryName:
//
//   "TZD1"  u32 key  u32 outline count N  u32 segment count S
//   zlib stream of: N heads (u32: segment count, top bit set when absolute)
//                   and the S segments of all outlines in order (28 bytes
//                   each, padding zero), each part byte plane by byte plane
//
// The key identifies the content; a packed page names the key it was packed
// against.
#include <cstdint>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "pagemodel/SimpleShapeSVG.h"

inline constexpr char16_t OutlineDictionaryName[] = u"SVGOUTLINES";
inline constexpr char OutlineDictionaryMagic[4] = {'T', 'Z', 'D', '1'};

// A shape's outline in the form the dictionary keeps it: its u32 head, then
// its segments. The bytes are also the outline's identity.
using TOutlineRecord = std::string;
TOutlineRecord OutlineRecordOf(const TSimpleShapeSVG& shape);

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
    std::size_t FSegments = 0;
    std::uint32_t FKey = 1;  // adler-32 of the records in order
};

// The dictionary as the reader uses it, read once and kept.
class TOutlineDictionary {
public:
    // Raises TDataError naming "outline dictionary" and the offset where the
    // stored bytes break: a short or damaged stream, or heads whose segment
    // counts do not add up to the stated segment count.
    explicit TOutlineDictionary(std::span<const std::uint8_t> stored);

    std::uint32_t Key() const { return FKey; }
    std::size_t Count() const { return FStart.size() - 1; }
    std::size_t SegmentCount(std::size_t outline) const { return FStart[outline + 1] - FStart[outline]; }

    // Sets shape.CounterData to outline `outline` (< Count()) placed at the
    // shape's MoveToPoint.
    void Place(std::size_t outline, TSimpleShapeSVG& shape) const;

private:
    std::uint32_t FKey = 0;
    std::vector<TLineCurve> FSegments;
    std::vector<std::size_t> FStart;  // Count() + 1 entries
    std::vector<bool> FAbsolute;
};
