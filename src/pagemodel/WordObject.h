#pragma once
// One selectable item of a page: a written word or an aya mark. It owns the
// glyph shapes that draw it and carries the identity that links the picture
// to the text (sura, aya, place in the aya, line, page).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "pagemodel/PageGeometry.h"
#include "pagemodel/GlyphShape.h"

class TByteReader;

// Stored in one byte.
enum TObjectType : std::uint8_t {
    otText = 0,       // a word of the text, or a sign drawn as an object of its own
    otAyaMark = 1,    // an aya-end mark with its number
    otSajdaLine = 2,
    otEmpty = 3,      // a new word object
};

class TWordObject {
public:
    // Stream record: 30 bytes plus its glyph shape records.
    static constexpr std::size_t RecordFixedSize = 30;

    // Owned; each shape keeps its address for ShapeList of the page.
    std::vector<std::unique_ptr<TGlyphShape>> Glyphs;
    std::int32_t ObjectID = 0;  // within the page, copied into each glyph shape
    std::int32_t LineNumber = 0;
    std::int32_t PageNumber = 0;
    bool AyaMark = false;  // true exactly for aya marks
    std::int32_t SuraNumber = 0;
    std::int32_t AyaNumber = 0;          // an aya mark carries the aya it ends
    std::int32_t ObjectInayaNumber = 0;  // 1-based place in the aya on the page, 0 for a mark
    TObjectType ObjectType = otEmpty;

    std::int32_t Count() const { return static_cast<std::int32_t>(Glyphs.size()); }

    std::uint32_t Color() const { return FColor; }
    void SetColor(std::uint32_t color);  // also colours every glyph shape

    bool Selected() const { return FSelected; }
    void SetSelected(bool selected);  // also (de)selects every glyph shape

    // Reads one stream record into this new, empty word object. Errors raise
    // TDataError; glyph shapes are named "<record>, glyph shape record k"
    // (k from 1) after the record name the caller gave the reader.
    void LoadFromStream(TByteReader& s);

    // Over all glyph shapes, from the start values of PageGeometry.h.
    TExtents Extents() const;
    float MinX() const { return Extents().MinX; }
    float MaxX() const { return Extents().MaxX; }
    float MinY() const { return Extents().MinY; }
    float MaxY() const { return Extents().MaxY; }
    bool PointIn(TXYPoint p) const { return Extents().Contains(p); }  // page units, inclusive

    // The first glyph shape (in Glyphs order) whose box holds the pixel point
    // selects it and the whole word; returns its index, or -1 changing nothing.
    std::int32_t SelectGlyphContainPoint(TPixelPoint p);

    // Distance in page units from the pixel point to the word's box; 0 on or
    // inside it.
    long double GetPointDistanceFloat(TPixelPoint p) const;

    void GetShapeList(std::vector<TGlyphShape*>& list) const;

private:
    std::uint32_t FColor = 0;
    bool FSelected = false;
};
