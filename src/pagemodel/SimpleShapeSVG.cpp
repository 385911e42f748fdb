#include "pagemodel/SimpleShapeSVG.h"

#include "base/ByteReader.h"

void TSimpleShapeSVG::LoadFromStream(TByteReader& s) {
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

TExtents TSimpleShapeSVG::Extents() const {
    TExtents e{MoveToPoint.x, MoveToPoint.x, MoveToPoint.y, MoveToPoint.y};
    for (const TLineCurve& c : CounterData) {
        switch (c.Kind) {
        case lcMove:
        case lcLine:
            e.Include(c.A);
            break;
        case lcCurve:
            e.Include(c.A);
            e.Include(c.B);
            e.Include(c.C);
            break;
        default:
            break;  // unknown kinds take no part
        }
    }
    return e;
}
