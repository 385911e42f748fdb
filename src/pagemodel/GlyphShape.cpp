#include "pagemodel/GlyphShape.h"

#include <cmath>
#include <string>

#include "base/ByteReader.h"

namespace {

// A coordinate that is not a number or infinite would pass every bounds
// test as false and poison boxes, scales and the rasterizer: refused here.
void CheckFinite(const TXYPoint& p, const TByteReader& s, std::size_t offset, const std::string& what) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y))
        throw TDataError(s.Record(), offset, what + " has a coordinate that is not a finite number");
}

}  // namespace

void TGlyphShape::LoadFromStream(TByteReader& s) {
    const std::size_t start = s.Position();
    MoveToPoint.x = s.ReadF32();
    MoveToPoint.y = s.ReadF32();
    CheckFinite(MoveToPoint, s, start, "the starting point");
    const std::int32_t n = s.ReadI32();
    s.CheckCount(n, sizeof(TLineCurve), "segment count");
    CounterData.resize(static_cast<std::size_t>(n));
    const std::size_t segmentsAt = s.Position();
    s.ReadBlock(CounterData.data(), CounterData.size() * sizeof(TLineCurve));
    for (std::size_t k = 0; k < CounterData.size(); ++k)
        ForUsedPoints(CounterData[k], [&](const TXYPoint& p) {
            CheckFinite(p, s, segmentsAt + k * sizeof(TLineCurve), "segment " + std::to_string(k + 1));
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
