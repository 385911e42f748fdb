#include "PageRecords.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

namespace compose {

static_assert(std::endian::native == std::endian::little,
              "page data is written in host byte order");

namespace {

// Extents enclose the control points, as the viewer's hit test does.
template <class Pick, class Better>
float Extent(const GlyphShape& s, float start, Pick pick, Better better) {
    float v = start;
    for (const Segment& g : s.segments) {
        v = better(v, pick(g.ax, g.ay));
        if (g.kind == lcCurve) {
            v = better(v, pick(g.bx, g.by));
            v = better(v, pick(g.cx, g.cy));
        }
    }
    return v;
}

float Lo(float a, float b) { return std::min(a, b); }
float Hi(float a, float b) { return std::max(a, b); }
float PickX(float x, float) { return x; }
float PickY(float, float y) { return y; }

template <class T>
void Put(std::vector<uint8_t>& out, T v) {
    uint8_t b[sizeof(T)];
    std::memcpy(b, &v, sizeof(T));
    out.insert(out.end(), b, b + sizeof(T));
}

} // namespace

float GlyphShape::MinX() const { return Extent(*this, moveX, PickX, Lo); }
float GlyphShape::MaxX() const { return Extent(*this, moveX, PickX, Hi); }
float GlyphShape::MinY() const { return Extent(*this, moveY, PickY, Lo); }
float GlyphShape::MaxY() const { return Extent(*this, moveY, PickY, Hi); }

float WordObject::MinX() const {
    float v = std::numeric_limits<float>::max();
    for (auto& g : glyphs) v = std::min(v, g.MinX());
    return v;
}
float WordObject::MaxX() const {
    float v = std::numeric_limits<float>::min();
    for (auto& g : glyphs) v = std::max(v, g.MaxX());
    return v;
}
float WordObject::MinY() const {
    float v = std::numeric_limits<float>::max();
    for (auto& g : glyphs) v = std::min(v, g.MinY());
    return v;
}
float WordObject::MaxY() const {
    float v = std::numeric_limits<float>::min();
    for (auto& g : glyphs) v = std::max(v, g.MaxY());
    return v;
}

std::vector<uint8_t> SerializePage(const std::vector<WordObject>& words) {
    std::vector<uint8_t> out;
    Put<int32_t>(out, static_cast<int32_t>(words.size()));
    for (const WordObject& w : words) {
        Put<int32_t>(out, w.lineNumber);
        Put<int32_t>(out, static_cast<int32_t>(w.glyphs.size()));
        for (const GlyphShape& g : w.glyphs) {
            Put<float>(out, g.moveX);
            Put<float>(out, g.moveY);
            Put<int32_t>(out, static_cast<int32_t>(g.segments.size()));
            for (const Segment& s : g.segments) {
                Put<float>(out, s.ax); Put<float>(out, s.ay);
                Put<float>(out, s.bx); Put<float>(out, s.by);
                Put<float>(out, s.cx); Put<float>(out, s.cy);
                Put<uint8_t>(out, s.kind);
                Put<uint8_t>(out, 0); Put<uint8_t>(out, 0); Put<uint8_t>(out, 0);
            }
            Put<uint8_t>(out, g.ayaMark ? 1 : 0);
            Put<int32_t>(out, w.objectID);
            Put<int32_t>(out, 0);  // ShapeID
            Put<int32_t>(out, w.lineNumber);
            Put<int32_t>(out, w.pageNumber);
        }
        Put<int32_t>(out, w.objectID);
        Put<int32_t>(out, w.lineNumber);
        Put<int32_t>(out, w.pageNumber);
        Put<uint8_t>(out, w.ayaMark ? 1 : 0);
        Put<int32_t>(out, w.soraNumber);
        Put<int32_t>(out, w.ayaNumber);
        Put<int32_t>(out, w.objectInAyaNumber);
        Put<uint8_t>(out, w.type);
    }
    return out;
}

} // namespace compose
