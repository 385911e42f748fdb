#include "pagemodel/PageDataWriter.h"

#include <cstring>

#include "pagemodel/Page.h"

namespace {

void PutU8(std::vector<std::uint8_t>& out, std::uint8_t v) { out.push_back(v); }

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutI32(std::vector<std::uint8_t>& out, std::int32_t v) { PutU32(out, static_cast<std::uint32_t>(v)); }

void PutF32(std::vector<std::uint8_t>& out, float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    PutU32(out, bits);
}

}  // namespace

void AppendShapeRecord(std::vector<std::uint8_t>& out, const TGlyphShape& shape) {
    PutF32(out, shape.MoveToPoint.x);
    PutF32(out, shape.MoveToPoint.y);
    PutI32(out, shape.CounterDataMax());
    // The in-memory segments are the record layout; copy them as one block
    // and zero the padding, which may hold anything in memory.
    const std::size_t at = out.size();
    const std::size_t bytes = shape.CounterData.size() * sizeof(TLineCurve);
    out.resize(at + bytes);
    if (bytes) std::memcpy(out.data() + at, shape.CounterData.data(), bytes);
    for (std::size_t i = 0; i < shape.CounterData.size(); ++i)
        std::memset(out.data() + at + i * sizeof(TLineCurve) + offsetof(TLineCurve, Padding), 0, 3);
    PutU8(out, shape.AyaMark ? 1 : 0);
    PutI32(out, shape.ObjectID);
    PutI32(out, shape.ShapeID);
    PutI32(out, shape.LineNumber);
    PutI32(out, shape.PageNumber);
}

void AppendWordRecord(std::vector<std::uint8_t>& out, const TWordObject& word) {
    PutI32(out, word.Count());
    for (const auto& g : word.Glyphs) AppendShapeRecord(out, *g);
    PutI32(out, word.ObjectID);
    PutI32(out, word.LineNumber);
    PutI32(out, word.PageNumber);
    PutU8(out, word.AyaMark ? 1 : 0);
    PutI32(out, word.SuraNumber);
    PutI32(out, word.AyaNumber);
    PutI32(out, word.ObjectInayaNumber);
    PutU8(out, static_cast<std::uint8_t>(word.ObjectType));
}

std::vector<std::uint8_t> WritePageData(std::span<const TWordObject> words, std::size_t expectedSize) {
    std::vector<std::uint8_t> out;
    out.reserve(expectedSize);
    PutI32(out, static_cast<std::int32_t>(words.size()));
    for (const TWordObject& w : words) {
        PutI32(out, w.LineNumber);
        AppendWordRecord(out, w);
    }
    return out;
}

std::vector<std::uint8_t> WritePageData(const TPage& page) {
    std::int32_t n = 0;
    for (int i = 1; i <= TPage::LineCount; ++i) n += page.Line(i).Count();
    std::vector<std::uint8_t> out;
    PutI32(out, n);
    for (int i = 1; i <= TPage::LineCount; ++i) {
        for (const auto& w : page.Line(i).Words) {
            PutI32(out, i);
            AppendWordRecord(out, *w);
        }
    }
    return out;
}
