#include "pagemodel/PackedPage.h"

#include <algorithm>
#include <cstring>

#include "base/ByteReader.h"
#include "base/Compression.h"
#include "base/DataError.h"

namespace {

constexpr std::size_t SegmentSize = 28;
constexpr std::size_t ShapeTail = 17;  // AyaMark, ObjectID, ShapeID, LineNumber, PageNumber
constexpr std::size_t WordTail = 26;   // ObjectID … objecttype
constexpr std::size_t HeaderSize = 20;

// Walks page data record by record and hands each segment block to
// `onSegments`. With `structure` set, the bytes between the blocks are copied
// there. `segmentsInline` tells whether the blocks stand in the data being
// walked (page data) or were cut out of it (the structure of a packed page).
template <class OnSegments>
void WalkPage(TByteReader& r, std::vector<std::uint8_t>* structure, bool segmentsInline, OnSegments onSegments) {
    auto copy = [&](std::size_t n) {
        if (!structure) {
            r.Skip(n);
            return;
        }
        std::size_t at = structure->size();
        structure->resize(at + n);
        r.ReadBlock(structure->data() + at, n);
    };
    auto copyI32 = [&]() {
        std::int32_t v = r.ReadI32();
        if (structure) {
            std::size_t at = structure->size();
            structure->resize(at + 4);
            std::memcpy(structure->data() + at, &v, 4);
        }
        return v;
    };
    r.SetRecord("page");
    std::int32_t words = copyI32();
    r.CheckCount(words, 38, "word count");
    for (std::int32_t w = 0; w < words; ++w) {
        r.SetRecord("word record");
        copyI32();  // line number
        std::int32_t shapes = copyI32();
        r.CheckCount(shapes, 29, "glyph count");
        for (std::int32_t s = 0; s < shapes; ++s) {
            r.SetRecord("glyph shape record");
            copy(8);
            std::int32_t n = copyI32();
            r.CheckCount(n, segmentsInline ? SegmentSize : 0, "segment count");
            onSegments(r, std::size_t(n));
            copy(ShapeTail);
        }
        copy(WordTail);
    }
    if (!r.AtEnd()) throw TDataError("page", r.Position(), "bytes follow the last word record");
}

void PutU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = std::uint8_t(v >> (8 * i));
}

}  // namespace

bool IsPackedPage(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= HeaderSize && std::memcmp(bytes.data(), PackedPageMagic, 4) == 0;
}

std::vector<std::uint8_t> PackPage(std::span<const std::uint8_t> raw) {
    std::vector<std::uint8_t> structure;
    std::vector<std::uint8_t> segments;
    TByteReader r(raw);
    WalkPage(r, &structure, true, [&](TByteReader& rr, std::size_t n) {
        std::size_t at = segments.size();
        segments.resize(at + n * SegmentSize);
        rr.ReadBlock(segments.data() + at, n * SegmentSize);
    });
    const std::size_t count = segments.size() / SegmentSize;
    std::vector<std::uint8_t> planes(segments.size());
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t b = 0; b < SegmentSize; ++b) planes[b * count + i] = segments[i * SegmentSize + b];

    std::vector<std::uint8_t> a = DeflateBytes(structure), b = DeflateBytes(planes);
    std::vector<std::uint8_t> out(HeaderSize + a.size() + b.size());
    std::memcpy(out.data(), PackedPageMagic, 4);
    PutU32(out, 4, std::uint32_t(raw.size()));
    PutU32(out, 8, std::uint32_t(count));
    PutU32(out, 12, std::uint32_t(a.size()));
    PutU32(out, 16, std::uint32_t(b.size()));
    std::copy(a.begin(), a.end(), out.begin() + HeaderSize);
    std::copy(b.begin(), b.end(), out.begin() + std::ptrdiff_t(HeaderSize + a.size()));
    return out;
}

std::vector<std::uint8_t> UnpackPage(std::span<const std::uint8_t> packed) {
    TByteReader h(packed);
    h.SetRecord("packed page");
    if (!IsPackedPage(packed)) throw TDataError("packed page", 0, "no packed-page header");
    h.ReadU32();
    const std::uint32_t rawSize = h.ReadU32(), count = h.ReadU32(), sizeA = h.ReadU32(), sizeB = h.ReadU32();
    // Deflate cannot shrink data more than about 1032 : 1, so larger stated
    // sizes are damage, refused before anything is allocated for them.
    constexpr std::uint64_t MaxRatio = 1032;
    const std::uint64_t segmentBytes = std::uint64_t(count) * SegmentSize;
    if (sizeA > h.Remaining() || sizeB > h.Remaining() - sizeA || rawSize < segmentBytes ||
        rawSize - segmentBytes > sizeA * MaxRatio + 64 || segmentBytes > sizeB * MaxRatio + 64)
        throw TDataError("packed page", h.Position(), "sizes in the header do not fit the data");
    const std::size_t structureSize = std::size_t(rawSize - segmentBytes);
    std::vector<std::uint8_t> structure =
        InflateBytes(packed.subspan(HeaderSize, sizeA), structureSize, "packed page structure");
    std::vector<std::uint8_t> planes =
        InflateBytes(packed.subspan(HeaderSize + sizeA, sizeB), std::size_t(count) * SegmentSize,
                     "packed page segments");

    std::vector<std::uint8_t> raw(rawSize);
    std::size_t out = 0, next = 0;
    auto emit = [&](const std::uint8_t* p, std::size_t n) {
        if (n > raw.size() - out) throw TDataError("packed page", out, "the structure is longer than stated");
        std::memcpy(raw.data() + out, p, n);
        out += n;
    };
    TByteReader r(structure);
    std::size_t copied = 0;  // bytes of `structure` already emitted
    WalkPage(r, nullptr, false, [&](TByteReader& rr, std::size_t n) {
        emit(structure.data() + copied, rr.Position() - copied);
        copied = rr.Position();
        if (n > count - next || n * SegmentSize > raw.size() - out)
            throw TDataError("packed page", out, "more segments than stated");
        for (std::size_t i = 0; i < n; ++i, ++next)
            for (std::size_t b = 0; b < SegmentSize; ++b) raw[out + i * SegmentSize + b] = planes[b * count + next];
        out += n * SegmentSize;
    });
    emit(structure.data() + copied, structure.size() - copied);
    if (out != raw.size() || next != count) throw TDataError("packed page", out, "the page is shorter than stated");
    return raw;
}

std::vector<std::uint8_t> PackResource(std::span<const std::uint8_t> raw) {
    std::vector<std::uint8_t> out(8);
    std::memcpy(out.data(), PackedResourceMagic, 4);
    PutU32(out, 4, std::uint32_t(raw.size()));
    std::vector<std::uint8_t> z = DeflateBytes(raw);
    out.insert(out.end(), z.begin(), z.end());
    return out;
}

bool IsPacked(std::span<const std::uint8_t> stored) {
    return IsPackedPage(stored) || (stored.size() >= 8 && std::memcmp(stored.data(), PackedResourceMagic, 4) == 0);
}

std::vector<std::uint8_t> UnpackResource(std::span<const std::uint8_t> stored) {
    if (IsPackedPage(stored)) return UnpackPage(stored);
    if (IsPacked(stored)) {
        TByteReader r(stored.subspan(4, 4));
        const std::uint32_t rawSize = r.ReadU32();
        if (rawSize > (stored.size() - 8) * 1032 + 64)
            throw TDataError("packed resource", 4, "the stated size does not fit the data");
        return InflateBytes(stored.subspan(8), rawSize, "packed resource");
    }
    return {stored.begin(), stored.end()};
}
