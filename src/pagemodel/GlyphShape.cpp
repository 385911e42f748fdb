#include "pagemodel/GlyphShape.h"

#include <cmath>
#include <string>

#include "base/ByteReader.h"

namespace {

// A coordinate that is not a number or infinite would pass every bounds
// test as false and poison boxes, scales and the rasterizer: refused here.
// `segment` is 1-based, 0 for the starting point.
[[noreturn, gnu::noinline, gnu::cold]] void RefuseNotFinite(const TByteReader& s, std::size_t offset,
                                                          std::size_t segment) {
    const std::string what = segment == 0 ? "the starting point" : "segment " + std::to_string(segment);
    throw TDataError(s.Record(), offset, what + " has a coordinate that is not a finite number");
}

inline void CheckFinite(const TXYPoint& p, const TByteReader& s, std::size_t offset, std::size_t segment) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) [[unlikely]]
        RefuseNotFinite(s, offset, segment);
}

}  // namespace

void TGlyphShape::LoadFromStream(TByteReader& s) {
    const std::size_t start = s.Position();
    MoveToPoint.x = s.ReadF32();
    MoveToPoint.y = s.ReadF32();
    CheckFinite(MoveToPoint, s, start, 0);
    const std::int32_t n = s.ReadI32();
    s.CheckCount(n, sizeof(TLineCurve), "segment count");
    CounterData.resize(static_cast<std::size_t>(n));
    const std::size_t segmentsAt = s.Position();
    s.ReadBlock(CounterData.data(), CounterData.size() * sizeof(TLineCurve));
    for (std::size_t k = 0; k < CounterData.size(); ++k)
        ForUsedPoints(CounterData[k], [&](const TXYPoint& p) {
            CheckFinite(p, s, segmentsAt + k * sizeof(TLineCurve), k + 1);
        });
    AyaMark = s.ReadBool();
    ObjectID = s.ReadI32();
    ShapeID = s.ReadI32();
    LineNumber = s.ReadI32();
    PageNumber = s.ReadI32();
}

TExtents TGlyphShape::Extents() const {
    TExtents e{MoveToPoint.x, MoveToPoint.x, MoveToPoint.y, MoveToPoint.y};
    for (const TLineCurve& c : CounterData)
        ForUsedPoints(c, [&e](const TXYPoint& p) { e.Include(p); });
    return e;
}
