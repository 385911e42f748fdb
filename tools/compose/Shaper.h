// HarfBuzz shaping of one unit into positioned glyphs in font units.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct hb_font_t;

namespace compose {

struct PlacedGlyph {
    uint32_t glyph = 0;
    uint32_t cluster = 0;   // UTF-16 offset of the character it came from
    double x = 0, y = 0;    // origin relative to the unit's left edge and baseline, y up
};

struct ShapedUnit {
    std::vector<PlacedGlyph> glyphs;  // left to right
    double advance = 0;
};

class Shaper {
public:
    ~Shaper();
    bool Load(const std::string& fontPath, std::string& error);
    // Thread-safe once loaded: the font object is only read.
    ShapedUnit Shape(const std::u16string& text, bool leftToRight) const;
    double SpaceAdvance() const { return spaceAdvance_; }

private:
    hb_font_t* font_ = nullptr;
    double spaceAdvance_ = 0;
};

} // namespace compose
