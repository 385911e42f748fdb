#include "pagemodel/OutlineDictionary.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "base/ByteReader.h"
#include "base/Compression.h"
#include "base/DataError.h"

namespace {

constexpr std::uint32_t VerbatimBit = 0x80000000u;
constexpr std::size_t HeaderSize = 24;
constexpr std::size_t HeadSize = 4;
constexpr std::size_t PointSize = 4;
constexpr std::size_t SegmentSize = sizeof(TLineCurve);
constexpr double MaxSteps = 1 << 23;  // well inside the integers a float holds exactly
// Deflate cannot shrink data more than about 1032 : 1.
constexpr std::uint64_t MaxInflateRatio = 1032;

void PutU32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = std::uint8_t(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
    return at[0] | at[1] << 8 | at[2] << 16 | std::uint32_t(at[3]) << 24;
}

// Grid steps from `origin` to `v`, when v is a whole number of them away.
bool StepsTo(float origin, float v, std::int32_t& steps) {
    const double d = (double(v) - double(origin)) * 256;
    if (!(std::fabs(d) < MaxSteps) || d != std::nearbyint(d)) return false;
    steps = std::int32_t(d);
    return true;
}

// How many points a segment of each kind draws with.
const std::array<std::uint8_t, 256>& UsedPointCounts() {
    static const std::array<std::uint8_t, 256> counts = [] {
        std::array<std::uint8_t, 256> n{};
        for (int k = 0; k < 256; ++k) {
            TLineCurve c;
            c.Kind = TLineCurveKind(k);
            ForUsedPoints(c, [&](TXYPoint&) { ++n[k]; });
        }
        return n;
    }();
    return counts;
}

// The segments of a grid outline placed at `m`: `kinds[i]` for each, its used
// points from `nextStep` (grid steps from the point before), the rest zero.
template <class NextStep>
void PlaceGrid(const std::uint8_t* kinds, std::size_t n, TXYPoint m, NextStep nextStep, TLineCurve* out) {
    std::int32_t x = 0, y = 0;
    for (std::size_t i = 0; i < n; ++i) {
        // Written in place: a segment built aside and copied whole would be
        // read back before its last point's store has landed, a stall per segment.
        TLineCurve& c = out[i];
        c = TLineCurve{};
        c.Kind = TLineCurveKind(kinds[i]);
        ForUsedPoints(c, [&](TXYPoint& p) {
            const auto [dx, dy] = nextStep();
            x += dx;
            y += dy;
            p = {GridPoint(m.x, x), GridPoint(m.y, y)};
        });
    }
}

// The shape's outline as a grid record, or empty when it is none.
TOutlineRecord GridRecordOf(const TGlyphShape& shape) {
    const TXYPoint m = shape.MoveToPoint;
    const std::size_t n = shape.CounterData.size();
    TOutlineRecord record(HeadSize + n, '\0');
    PutU32(reinterpret_cast<std::uint8_t*>(record.data()), std::uint32_t(n));
    std::int32_t x = 0, y = 0;  // the point before, in steps from m
    bool onGrid = true;
    for (std::size_t i = 0; i < n; ++i) {
        record[HeadSize + i] = char(shape.CounterData[i].Kind);
        ForUsedPoints(shape.CounterData[i], [&](const TXYPoint& p) {
            std::int32_t sx = 0, sy = 0;
            onGrid = onGrid && StepsTo(m.x, p.x, sx) && StepsTo(m.y, p.y, sy) && sx - x == std::int16_t(sx - x) &&
                     sy - y == std::int16_t(sy - y);
            for (std::int32_t d : {sx - x, sy - y}) {
                record.push_back(char(d & 0xFF));
                record.push_back(char((d >> 8) & 0xFF));
            }
            x = sx;
            y = sy;
        });
    }
    if (!onGrid) return {};
    // A grid outline must give back every segment bit for bit, the points it
    // does not draw with (zero) and kinds that draw nothing included.
    std::vector<TLineCurve> placed(n);
    const char* step = record.data() + HeadSize + n;
    PlaceGrid(reinterpret_cast<const std::uint8_t*>(record.data()) + HeadSize, n, m,
              [&] {
                  const auto* b = reinterpret_cast<const std::uint8_t*>(step);
                  step += PointSize;
                  return std::pair<std::int32_t, std::int32_t>{std::int16_t(b[0] | b[1] << 8),
                                                               std::int16_t(b[2] | b[3] << 8)};
              },
              placed.data());
    for (std::size_t i = 0; i < n; ++i) {
        TLineCurve original = shape.CounterData[i];
        std::memset(original.Padding, 0, sizeof original.Padding);  // as the page data holds it
        if (std::memcmp(&original, &placed[i], SegmentSize) != 0) return {};
    }
    return record;
}

}  // namespace

TOutlineRecord OutlineRecordOf(const TGlyphShape& shape) {
    TOutlineRecord grid = GridRecordOf(shape);
    if (!grid.empty()) return grid;
    const std::size_t n = shape.CounterData.size();
    TOutlineRecord record(HeadSize + n * SegmentSize, '\0');
    PutU32(reinterpret_cast<std::uint8_t*>(record.data()), std::uint32_t(n) | VerbatimBit);
    for (std::size_t i = 0; i < n; ++i) {
        TLineCurve c = shape.CounterData[i];
        std::memset(c.Padding, 0, sizeof c.Padding);
        std::memcpy(record.data() + HeadSize + i * SegmentSize, &c, SegmentSize);
    }
    return record;
}

std::uint32_t TOutlineDictionaryBuilder::Enter(const TOutlineRecord& outline) {
    auto [at, added] = FIndex.try_emplace(outline, std::uint32_t(FRecords.size()));
    if (added) {
        FRecords.push_back(&at->first);
        FKey = std::uint32_t(adler32(FKey, reinterpret_cast<const Bytef*>(outline.data()), uInt(outline.size())));
    }
    return at->second;
}

std::vector<std::uint8_t> TOutlineDictionaryBuilder::Write() const {
    std::vector<std::uint8_t> heads, kinds, points, verbatim;
    for (const TOutlineRecord* r : FRecords) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(r->data());
        const std::uint32_t head = GetU32(bytes);
        heads.insert(heads.end(), bytes, bytes + HeadSize);
        if (head & VerbatimBit) {
            verbatim.insert(verbatim.end(), bytes + HeadSize, bytes + r->size());
        } else {
            kinds.insert(kinds.end(), bytes + HeadSize, bytes + HeadSize + head);
            points.insert(points.end(), bytes + HeadSize + head, bytes + r->size());
        }
    }
    std::vector<std::uint8_t> content = ToBytePlanes(heads, HeadSize);
    content.insert(content.end(), kinds.begin(), kinds.end());
    for (const auto& part : {ToBytePlanes(points, PointSize), ToBytePlanes(verbatim, SegmentSize)})
        content.insert(content.end(), part.begin(), part.end());
    const std::vector<std::uint8_t> stream = DeflateBytes(content);

    std::vector<std::uint8_t> out(HeaderSize + stream.size());
    std::memcpy(out.data(), OutlineDictionaryMagic, 4);
    PutU32(out.data() + 4, FKey);
    PutU32(out.data() + 8, std::uint32_t(FRecords.size()));
    PutU32(out.data() + 12, std::uint32_t(kinds.size()));
    PutU32(out.data() + 16, std::uint32_t(points.size() / PointSize));
    PutU32(out.data() + 20, std::uint32_t(verbatim.size() / SegmentSize));
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
    const std::uint32_t count = h.ReadU32(), gridSegments = h.ReadU32(), points = h.ReadU32(),
                        verbatim = h.ReadU32();
    // Larger stated sizes than a stream can hold are damage, refused before
    // anything is allocated for them.
    const std::uint64_t contentSize = std::uint64_t(count) * HeadSize + gridSegments +
                                      std::uint64_t(points) * PointSize + std::uint64_t(verbatim) * SegmentSize;
    if (contentSize > std::uint64_t(h.Remaining()) * MaxInflateRatio + 64)
        throw TDataError("outline dictionary", 8, "the stated counts do not fit the data");
    const std::vector<std::uint8_t> content =
        InflateBytes(stored.subspan(HeaderSize), std::size_t(contentSize), "outline dictionary stream");
    const std::size_t kindsAt = std::size_t(count) * HeadSize, pointsAt = kindsAt + gridSegments;
    FKinds.assign(content.begin() + std::ptrdiff_t(kindsAt), content.begin() + std::ptrdiff_t(pointsAt));

    // Where each outline starts in the parts, checked against their sizes.
    const std::array<std::uint8_t, 256>& used = UsedPointCounts();
    std::vector<std::uint8_t> heads(kindsAt);
    FromBytePlanes(std::span(content).first(kindsAt), HeadSize, heads.data());
    FOutlines.resize(count);
    std::uint64_t kind = 0, point = 0, segment = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t head = GetU32(heads.data() + i * HeadSize);
        TStart& s = FOutlines[i];
        s.Segments = head & ~VerbatimBit;
        s.Verbatim = (head & VerbatimBit) != 0;
        s.First = std::size_t(s.Verbatim ? segment : kind);
        s.Point = std::size_t(point);
        if (s.Verbatim) {
            segment += s.Segments;
            continue;
        }
        if (s.Segments > gridSegments - kind)
            throw TDataError("outline dictionary heads", i * HeadSize,
                             "outline " + std::to_string(i) + " runs past the " + std::to_string(gridSegments) +
                                 " kinds");
        for (std::size_t k = 0; k < s.Segments; ++k) point += used[FKinds[s.First + k]];
        kind += s.Segments;
    }
    if (kind != gridSegments || segment != verbatim)
        throw TDataError("outline dictionary heads", 0,
                         "the outlines hold " + std::to_string(kind) + " grid and " + std::to_string(segment) +
                             " verbatim segments, the header states " + std::to_string(gridSegments) + " and " +
                             std::to_string(verbatim));
    if (point != points)
        throw TDataError("outline dictionary kinds", 0,
                         "the kinds draw with " + std::to_string(point) + " points, the header states " +
                             std::to_string(points));
    // The points interleaved once here, so that placing an outline reads
    // each point from one place.
    static_assert(sizeof(TStep) == PointSize);
    FSteps.resize(points);
    FromBytePlanes(std::span(content).subspan(pointsAt, std::size_t(points) * PointSize), PointSize,
                   reinterpret_cast<std::uint8_t*>(FSteps.data()));
    FVerbatim.resize(verbatim);
    FromBytePlanes(std::span(content).subspan(pointsAt + std::size_t(points) * PointSize), SegmentSize,
                   reinterpret_cast<std::uint8_t*>(FVerbatim.data()));
    for (TLineCurve& c : FVerbatim) std::memset(c.Padding, 0, sizeof c.Padding);  // as page data holds it
    for (TStart& s : FOutlines)
        if (s.Verbatim)
            for (std::size_t k = s.First; k < s.First + s.Segments; ++k)
                ForUsedPoints(FVerbatim[k], [&s](const TXYPoint& p) {
                    s.Finite = s.Finite && std::isfinite(p.x) && std::isfinite(p.y);
                });
}

void TOutlineDictionary::Place(std::size_t outline, TGlyphShape& shape) const {
    const TStart& s = FOutlines[outline];
    if (s.Verbatim) {
        shape.CounterData.assign(FVerbatim.begin() + std::ptrdiff_t(s.First),
                                 FVerbatim.begin() + std::ptrdiff_t(s.First + s.Segments));
        return;
    }
    shape.CounterData.resize(s.Segments);
    const TStep* next = FSteps.data() + s.Point;
    PlaceGrid(FKinds.data() + s.First, s.Segments, shape.MoveToPoint,
              [&] {
                  const TStep d = *next++;
                  return std::pair<std::int32_t, std::int32_t>{d.X, d.Y};
              },
              shape.CounterData.data());
}
