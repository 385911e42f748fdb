#include "pagemodel/GlyphShape.h"

#include "base/ByteReader.h"

void TGlyphShape::LoadFromStream(TByteReader& s) {
    MoveToPoint.x = s.ReadF32();
    MoveToPoint.y = s.ReadF32();
    const std::int32_t n = s.ReadI32();
    s.CheckCount(n, sizeof(TLineCurve), "segment count");
    CounterData.resize(static_cast<std::size_t>(n));
    s.ReadBlock(CounterData.data(), CounterData.size() * sizeof(TLineCurve));
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
