// In-memory form of one composed page, as the page data stores it: word
// objects holding glyph shapes holding 28-byte segments, in page units.
#pragma once
#include <cstdint>
#include <vector>

namespace compose {

enum SegmentKind : uint8_t { lcMove = 0, lcLine = 1, lcCurve = 2 };
enum ObjectType : uint8_t { otText = 0, otAyaMark = 1 };

struct Segment {
    float ax = 0, ay = 0, bx = 0, by = 0, cx = 0, cy = 0;
    SegmentKind kind = lcMove;
};

struct GlyphShape {
    float moveX = 0, moveY = 0;
    std::vector<Segment> segments;
    bool ayaMark = false;

    float MinX() const;
    float MaxX() const;
    float MinY() const;
    float MaxY() const;
};

struct WordObject {
    std::vector<GlyphShape> glyphs;
    int objectID = 0;
    int lineNumber = 0;
    int pageNumber = 0;
    bool ayaMark = false;
    int soraNumber = 0;
    int ayaNumber = 0;
    int objectInAyaNumber = 0;
    ObjectType type = otText;

    float MinX() const;
    float MaxX() const;
    float MinY() const;
    float MaxY() const;
};

// The page data of one page: a count, then for every word object its line
// number followed by its record. Little-endian, no padding between fields.
std::vector<uint8_t> SerializePage(const std::vector<WordObject>& words);

} // namespace compose
