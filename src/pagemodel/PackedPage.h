#pragma once
// The form in which page data travels inside the executable. Page data is
// mostly glyph segments, and the same glyph outlines recur on every page: a
// packed page keeps its page data without segments (its structure) and, for
// each glyph shape, a reference into the shared outline dictionary
// (OutlineDictionary.h), which the shape's MoveToPoint moves into place:
//
//   "TZP2"  u32 raw size  u32 structure size  u32 glyph shape count
//           u32 key of the outline dictionary
//   zlib stream to the end: the structure (page data whose glyph shapes hold
//           no segments), then one u32 outline index per glyph shape in
//           record order, byte plane by byte plane
//
// Unpacking gives back the page data byte for byte as the page data writer
// wrote it (the composed pages); other data the loader accepts comes back as
// the writer writes what the loader read from it.
#include <cstdint>
#include <span>
#include <vector>

#include "pagemodel/OutlineDictionary.h"
#include "pagemodel/WordObject.h"

inline constexpr char PackedPageMagic[4] = {'T', 'Z', 'P', '2'};

bool IsPackedPage(std::span<const std::uint8_t> bytes);

// A page taken apart for packing: its structure and the outline of each of
// its glyph shapes.
struct TSplitPage {
    std::vector<std::uint8_t> Structure;
    std::vector<TOutlineRecord> Outlines;  // distinct, in the order of first use
    std::vector<std::uint32_t> Shapes;     // each glyph shape in record order: its index in Outlines
    std::size_t RawSize = 0;
};

// Packing a set of pages against one dictionary takes three steps: split
// every page (any thread), enter their outlines in a fixed page order (one
// thread), then pack every page with the finished dictionary's key.
//
// Page data that LoadPageData refuses raises its TDataError.
TSplitPage SplitPage(std::span<const std::uint8_t> raw);
// The dictionary index of each glyph shape of the page, in record order.
std::vector<std::uint32_t> EnterOutlines(const TSplitPage& page, TOutlineDictionaryBuilder& dictionary);
std::vector<std::uint8_t> PackPage(const TSplitPage& page, std::span<const std::uint32_t> references,
                                   std::uint32_t dictionaryKey);

// Raises TDataError naming the record and offset where the packed page breaks:
// a damaged stream, counts or sizes that disagree with its length or with what
// it unpacks to, a reference outside the dictionary, another dictionary's key,
// a structure that is not page data.
std::vector<std::uint8_t> UnpackPage(std::span<const std::uint8_t> packed, const TOutlineDictionary& outlines);

// The word records of the page data UnpackPage gives, exactly as
// ReadPageRecords reads them from it, with the same errors, but without
// writing and reading those bytes again: how a page is opened.
std::vector<TWordObject> UnpackPageRecords(std::span<const std::uint8_t> packed, const TOutlineDictionary& outlines);

// Other resources that compress well (the aya store, fonts) travel as
// "TZR1", u32 raw size, then one zlib stream.
inline constexpr char PackedResourceMagic[4] = {'T', 'Z', 'R', '1'};
std::vector<std::uint8_t> PackResource(std::span<const std::uint8_t> raw);
// True for a packed page or a packed resource.
bool IsPacked(std::span<const std::uint8_t> stored);

// The bytes of a resource as the build produced them: packed pages (which
// need `outlines`; without, TDataError) and packed resources are unpacked,
// anything else is returned as it is.
std::vector<std::uint8_t> UnpackResource(std::span<const std::uint8_t> stored,
                                         const TOutlineDictionary* outlines = nullptr);
