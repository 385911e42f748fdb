#include "pagemodel/WordObject.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/ByteReader.h"

void TWordObject::SetColor(std::uint32_t color) {
    FColor = color;
    for (auto& g : Glyphs) g->Color = color;
}

void TWordObject::SetSelected(bool selected) {
    FSelected = selected;
    for (auto& g : Glyphs) g->Selected = selected;
}

void TWordObject::LoadFromStream(TByteReader& s) {
    const char* record = s.Record();
    const std::int32_t count = s.ReadI32();
    s.CheckCount(count, TGlyphShape::RecordFixedSize, "glyph count");
    Glyphs.clear();
    Glyphs.reserve(static_cast<std::size_t>(count));

    // One buffer for the glyph records' names, rewritten in place for each.
    std::string glyphRecord = std::string(record) + ", glyph shape record ";
    const std::size_t prefix = glyphRecord.size();
    for (std::int32_t i = 0; i < count; ++i) {
        glyphRecord.resize(prefix);
        glyphRecord += std::to_string(i + 1);
        s.SetRecord(glyphRecord.c_str());
        auto shape = std::make_unique<TGlyphShape>();
        shape->LoadFromStream(s);
        Glyphs.push_back(std::move(shape));
    }
    s.SetRecord(record);

    ObjectID = s.ReadI32();
    LineNumber = s.ReadI32();
    PageNumber = s.ReadI32();
    AyaMark = s.ReadBool();
    SuraNumber = s.ReadI32();
    AyaNumber = s.ReadI32();
    ObjectInayaNumber = s.ReadI32();
    ObjectType = static_cast<TObjectType>(s.ReadU8());
}

TExtents TWordObject::Extents() const {
    TExtents e;
    for (const auto& g : Glyphs) e.Include(g->Extents());
    return e;
}

std::int32_t TWordObject::SelectGlyphContainPoint(TPixelPoint p) {
    const TXYPoint q = ToPageUnits(p);
    for (std::size_t i = 0; i < Glyphs.size(); ++i) {
        if (Glyphs[i]->PointIn(q)) {
            Glyphs[i]->Selected = true;
            SetSelected(true);
            return static_cast<std::int32_t>(i);
        }
    }
    return -1;
}

long double TWordObject::GetPointDistanceFloat(TPixelPoint p) const {
    const TXYPoint q = ToPageUnits(p);
    const TExtents e = Extents();
    const long double left = std::min(e.MinX, e.MaxX), right = std::max(e.MinX, e.MaxX);
    const long double top = std::min(e.MinY, e.MaxY), bottom = std::max(e.MinY, e.MaxY);
    const long double x = q.x, y = q.y;
    const long double dx = std::max({left - x, 0.0L, x - right});
    const long double dy = std::max({top - y, 0.0L, y - bottom});
    return std::sqrt(dx * dx + dy * dy);
}

void TWordObject::GetShapeList(std::vector<TGlyphShape*>& list) const {
    for (const auto& g : Glyphs) list.push_back(g.get());
}
