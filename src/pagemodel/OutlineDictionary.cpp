#include "pagemodel/OutlineDictionary.h"

#include <zlib.h>

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/ByteReader.h"
#include "base/Compression.h"
#include "base/DataError.h"

namespace {

constexpr std::uint32_t AbsoluteBit = 0x80000000u;
constexpr std::size_t HeaderSize = 16;
constexpr std::size_t HeadSize = 4;
constexpr std::size_t SegmentSize = sizeof(TLineCurve);

bool SameBits(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

void PutU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

void Translate(TLineCurve& c, TXYPoint by) {
    ForUsedPoints(c, [by](TXYPoint& p) {
        p.x += by.x;
        p.y += by.y;
    });
}

}  // namespace

TOutlineRecord OutlineRecordOf(const TSimpleShapeSVG& shape) {
    const TXYPoint m = shape.MoveToPoint;
    std::vector<TLineCurve> segments = shape.CounterData;
    bool relative = true;
    for (TLineCurve& c : segments) {
        std::memset(c.Padding, 0, sizeof c.Padding);  // as the page data holds it
        ForUsedPoints(c, [&](TXYPoint& p) {
            const TXYPoint q{p.x - m.x, p.y - m.y};
            relative = relative && SameBits(q.x + m.x, p.x) && SameBits(q.y + m.y, p.y);
            p = q;
        });
    }
    if (!relative) {
        segments = shape.CounterData;
        for (TLineCurve& c : segments) std::memset(c.Padding, 0, sizeof c.Padding);
    }
    TOutlineRecord record(HeadSize + segments.size() * SegmentSize, '\0');
    PutU32(reinterpret_cast<std::uint8_t*>(record.data()),
           std::uint32_t(segments.size()) | (relative ? 0 : AbsoluteBit));
    if (!segments.empty()) std::memcpy(record.data() + HeadSize, segments.data(), segments.size() * SegmentSize);
    return record;
}

std::uint32_t TOutlineDictionaryBuilder::Enter(const TOutlineRecord& outline) {
    auto [at, added] = FIndex.try_emplace(outline, std::uint32_t(FRecords.size()));
    if (added) {
        FRecords.push_back(&at->first);
        FSegments += (outline.size() - HeadSize) / SegmentSize;
        FKey = std::uint32_t(adler32(FKey, reinterpret_cast<const Bytef*>(outline.data()), uInt(outline.size())));
    }
    return at->second;
}

std::vector<std::uint8_t> TOutlineDictionaryBuilder::Write() const {
    std::vector<std::uint8_t> heads, segments;
    heads.reserve(FRecords.size() * HeadSize);
    segments.reserve(FSegments * SegmentSize);
    for (const TOutlineRecord* r : FRecords) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(r->data());
        heads.insert(heads.end(), bytes, bytes + HeadSize);
        segments.insert(segments.end(), bytes + HeadSize, bytes + r->size());
    }
    std::vector<std::uint8_t> content = ToBytePlanes(heads, HeadSize);
    const std::vector<std::uint8_t> planes = ToBytePlanes(segments, SegmentSize);
    content.insert(content.end(), planes.begin(), planes.end());
    const std::vector<std::uint8_t> stream = DeflateBytes(content);

    std::vector<std::uint8_t> out(HeaderSize + stream.size());
    std::memcpy(out.data(), OutlineDictionaryMagic, 4);
    PutU32(out.data() + 4, FKey);
    PutU32(out.data() + 8, std::uint32_t(FRecords.size()));
    PutU32(out.data() + 12, std::uint32_t(FSegments));
    std::copy(stream.begin(), stream.end(), out.begin() + HeaderSize);
    return out;
}

TOutlineDictionary::TOutlineDictionary(std::span<const std::uint8_t> stored) {
    TByteReader h(stored);
    h.SetRecord("outline dictionary");
    std::uint8_t magic[4];
    h.ReadBlock(magic, 4);
    if (std::memcmp(magic, OutlineDictionaryMagic, 4) != 0)
        throw TDataError("outline dictionary", 0, "no outline-dictionary header");
    FKey = h.ReadU32();
    const std::uint32_t count = h.ReadU32(), segments = h.ReadU32();
    // Deflate cannot shrink data more than about 1032 : 1; larger stated
    // sizes are damage, refused before anything is allocated for them.
    const std::uint64_t contentSize = std::uint64_t(count) * HeadSize + std::uint64_t(segments) * SegmentSize;
    if (contentSize > std::uint64_t(h.Remaining()) * 1032 + 64)
        throw TDataError("outline dictionary", 8, "the stated counts do not fit the data");
    const std::vector<std::uint8_t> content =
        InflateBytes(stored.subspan(HeaderSize), std::size_t(contentSize), "outline dictionary stream");

    std::vector<std::uint8_t> heads(std::size_t(count) * HeadSize);
    FromBytePlanes(std::span(content).first(heads.size()), HeadSize, heads.data());
    FStart.resize(std::size_t(count) + 1);
    FAbsolute.resize(count);
    std::uint64_t total = 0;
    TByteReader r(heads);
    r.SetRecord("outline dictionary heads");
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t head = r.ReadU32();
        FStart[i] = std::size_t(total);
        FAbsolute[i] = (head & AbsoluteBit) != 0;
        total += head & ~AbsoluteBit;
    }
    if (total != segments)
        throw TDataError("outline dictionary heads", 0,
                         "the outlines hold " + std::to_string(total) + " segments, the header states " +
                             std::to_string(segments));
    FStart[count] = segments;
    FSegments.resize(segments);
    FromBytePlanes(std::span(content).subspan(heads.size()), SegmentSize,
                   reinterpret_cast<std::uint8_t*>(FSegments.data()));
}

void TOutlineDictionary::Place(std::size_t outline, TSimpleShapeSVG& shape) const {
    shape.CounterData.assign(FSegments.begin() + std::ptrdiff_t(FStart[outline]),
                             FSegments.begin() + std::ptrdiff_t(FStart[outline + 1]));
    if (FAbsolute[outline]) return;
    for (TLineCurve& c : shape.CounterData) Translate(c, shape.MoveToPoint);
}
