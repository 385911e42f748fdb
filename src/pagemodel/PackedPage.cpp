#include "pagemodel/PackedPage.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "base/ByteReader.h"
#include "base/Compression.h"
#include "base/DataError.h"
#include "pagemodel/PageData.h"
#include "pagemodel/PageDataWriter.h"

namespace {

constexpr std::size_t HeaderSize = 20;
constexpr std::size_t ReferenceSize = 4;
constexpr std::uint64_t SegmentSize = sizeof(TLineCurve);
// Well above any page the composer writes (the densest holds about 705 KB of
// page data); a packed page that states more, or whose stream would inflate
// to more, is damage, refused before anything is inflated.
constexpr std::uint64_t MaxRawSize = 4u << 20;
// Deflate cannot shrink data more than about 1032 : 1.
constexpr std::uint64_t MaxInflateRatio = 1032;

void PutU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

bool HasMagic(std::span<const std::uint8_t> bytes, const char (&magic)[4]) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), magic, 4) == 0;
}

// The structure read as page data, its errors named as the packed page's.
std::vector<TWordObject> ReadStructure(std::span<const std::uint8_t> structure) {
    try {
        return ReadPageRecords(structure);
    } catch (const TDataError& e) {
        throw TDataError("packed page structure, " + e.Record(), e.Offset(), e.Problem());
    }
}

}  // namespace

bool IsPackedPage(std::span<const std::uint8_t> bytes) { return HasMagic(bytes, PackedPageMagic); }

TSplitPage SplitPage(std::span<const std::uint8_t> raw) {
    std::vector<TWordObject> words = ReadPageRecords(raw);
    TSplitPage page;
    page.RawSize = raw.size();
    std::unordered_map<TOutlineRecord, std::uint32_t> index;
    for (TWordObject& w : words)
        for (auto& g : w.Glyphs) {
            auto [at, added] = index.try_emplace(OutlineRecordOf(*g), std::uint32_t(page.Outlines.size()));
            if (added) page.Outlines.push_back(at->first);
            page.Shapes.push_back(at->second);
            g->CounterData.clear();
        }
    page.Structure = WritePageData(words);
    return page;
}

std::vector<std::uint32_t> EnterOutlines(const TSplitPage& page, TOutlineDictionaryBuilder& dictionary) {
    std::vector<std::uint32_t> global;
    global.reserve(page.Outlines.size());
    for (const TOutlineRecord& o : page.Outlines) global.push_back(dictionary.Enter(o));
    std::vector<std::uint32_t> references;
    references.reserve(page.Shapes.size());
    for (std::uint32_t local : page.Shapes) references.push_back(global[local]);
    return references;
}

std::vector<std::uint8_t> PackPage(const TSplitPage& page, std::span<const std::uint32_t> references,
                                   std::uint32_t dictionaryKey) {
    if (references.size() != page.Shapes.size())
        throw std::invalid_argument("PackPage: one reference per glyph shape");
    if (page.RawSize > MaxRawSize) throw TDataError("page", 0, "too large to pack");
    std::vector<std::uint8_t> refs(references.size() * ReferenceSize);
    for (std::size_t i = 0; i < references.size(); ++i) PutU32(refs.data() + i * ReferenceSize, references[i]);
    std::vector<std::uint8_t> content = page.Structure;
    const std::vector<std::uint8_t> planes = ToBytePlanes(refs, ReferenceSize);
    content.insert(content.end(), planes.begin(), planes.end());
    // Level 9 takes ten times as long here for less than 1 % smaller pages.
    const std::vector<std::uint8_t> stream = DeflateBytes(content, 6);

    std::vector<std::uint8_t> out(HeaderSize + stream.size());
    std::memcpy(out.data(), PackedPageMagic, 4);
    PutU32(out.data() + 4, std::uint32_t(page.RawSize));
    PutU32(out.data() + 8, std::uint32_t(page.Structure.size()));
    PutU32(out.data() + 12, std::uint32_t(references.size()));
    PutU32(out.data() + 16, dictionaryKey);
    std::copy(stream.begin(), stream.end(), out.begin() + HeaderSize);
    return out;
}

namespace {

// The word records of a packed page with every outline placed, and the size
// of the page data they write: what UnpackPage writes and what
// UnpackPageRecords hands over, checked once for both.
struct TUnpackedWords {
    std::vector<TWordObject> Words;
    std::uint32_t RawSize = 0;
    bool Finite = true;  // every point placed is a finite number
};

TUnpackedWords UnpackWords(std::span<const std::uint8_t> packed, const TOutlineDictionary& outlines) {
    if (!IsPackedPage(packed)) throw TDataError("packed page", 0, "no packed-page header");
    TByteReader h(packed);
    h.SetRecord("packed page");
    h.Skip(4);
    const std::uint32_t rawSize = h.ReadU32(), structureSize = h.ReadU32(), shapeCount = h.ReadU32();
    if (h.ReadU32() != outlines.Key())
        throw TDataError("packed page", 16, "packed against another outline dictionary");
    const std::uint64_t contentSize = structureSize + std::uint64_t(shapeCount) * ReferenceSize;
    if (rawSize > MaxRawSize)
        throw TDataError("packed page", 4, "raw size " + std::to_string(rawSize) + " is impossible");
    if (contentSize > MaxRawSize)
        throw TDataError("packed page", 8,
                         "the structure and glyph shape references (" + std::to_string(contentSize) +
                             " bytes) are larger than any page");
    if (contentSize > std::uint64_t(h.Remaining()) * MaxInflateRatio + 64)
        throw TDataError("packed page", 8, "the structure size and glyph shape count do not fit the data");
    const std::vector<std::uint8_t> content =
        InflateBytes(packed.subspan(HeaderSize), std::size_t(contentSize), "packed page stream");
    std::vector<TWordObject> words = ReadStructure(std::span(content).first(structureSize));

    std::vector<std::uint8_t> refBytes(std::size_t(shapeCount) * ReferenceSize);
    FromBytePlanes(std::span(content).subspan(structureSize), ReferenceSize, refBytes.data());
    TByteReader refs(refBytes);
    // Every reference is checked and the size the page unpacks to added up
    // before any outline is placed: a wrong page allocates nothing for it.
    std::uint64_t size = structureSize;
    std::size_t shape = 0;
    std::string record;
    for (const TWordObject& w : words)
        for (const auto& g : w.Glyphs) {
            record = "packed page, glyph shape reference " + std::to_string(shape + 1);
            refs.SetRecord(record.c_str());
            if (shape == shapeCount)
                throw TDataError("packed page", 12,
                                 "the structure holds more than the " + std::to_string(shapeCount) +
                                     " glyph shapes stated");
            const std::uint32_t ref = refs.ReadU32();
            if (ref >= outlines.Count())
                throw TDataError(record, structureSize + shape,
                                 "outline " + std::to_string(ref) + " is outside the " +
                                     std::to_string(outlines.Count()) + " of the dictionary");
            size += SegmentSize * outlines.SegmentCount(ref);
            size -= SegmentSize * g->CounterData.size();  // replaced by the outline
            ++shape;
        }
    if (shape != shapeCount)
        throw TDataError("packed page", 12,
                         "the structure holds " + std::to_string(shape) + " glyph shapes, the header states " +
                             std::to_string(shapeCount));
    if (size != rawSize)
        throw TDataError("packed page", 4,
                         "the page unpacks to " + std::to_string(size) + " bytes, the header states " +
                             std::to_string(rawSize));
    refs = TByteReader(refBytes);
    bool finite = true;
    for (TWordObject& w : words)
        for (auto& g : w.Glyphs) {
            const std::uint32_t ref = refs.ReadU32();
            outlines.Place(ref, *g);
            finite = finite && outlines.PlacesFinitePoints(ref);
        }
    return {std::move(words), rawSize, finite};
}

}  // namespace

std::vector<std::uint8_t> UnpackPage(std::span<const std::uint8_t> packed, const TOutlineDictionary& outlines) {
    TUnpackedWords unpacked = UnpackWords(packed, outlines);
    return WritePageData(unpacked.Words, unpacked.RawSize);
}

std::vector<TWordObject> UnpackPageRecords(std::span<const std::uint8_t> packed, const TOutlineDictionary& outlines) {
    TUnpackedWords unpacked = UnpackWords(packed, outlines);
    // What the structure passed, the page data passes too, but for a
    // coordinate that is no number in a verbatim outline: the loader's error
    // for it comes from reading the page data, written only then.
    if (!unpacked.Finite) ReadPageRecords(WritePageData(unpacked.Words, unpacked.RawSize));
    return std::move(unpacked.Words);
}

std::vector<std::uint8_t> PackResource(std::span<const std::uint8_t> raw) {
    const std::vector<std::uint8_t> z = DeflateBytes(raw);
    std::vector<std::uint8_t> out(8 + z.size());
    std::memcpy(out.data(), PackedResourceMagic, 4);
    PutU32(out.data() + 4, std::uint32_t(raw.size()));
    std::copy(z.begin(), z.end(), out.begin() + 8);
    return out;
}

bool IsPacked(std::span<const std::uint8_t> stored) {
    return IsPackedPage(stored) || HasMagic(stored, PackedResourceMagic);
}

std::vector<std::uint8_t> UnpackResource(std::span<const std::uint8_t> stored, const TOutlineDictionary* outlines) {
    if (IsPackedPage(stored)) {
        if (!outlines) throw TDataError("packed page", 0, "no outline dictionary to unpack it with");
        return UnpackPage(stored, *outlines);
    }
    if (!IsPacked(stored)) return {stored.begin(), stored.end()};
    TByteReader r(stored);
    r.SetRecord("packed resource");
    r.Skip(4);
    const std::uint32_t rawSize = r.ReadU32();
    if (rawSize > std::uint64_t(r.Remaining()) * MaxInflateRatio + 64)
        throw TDataError("packed resource", 4, "the stated size does not fit the data");
    return InflateBytes(stored.subspan(8), rawSize, "packed resource");
}
