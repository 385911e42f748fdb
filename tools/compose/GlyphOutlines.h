// Glyph outlines of the Quran face as cubic pieces in font units (y up),
// read once for every glyph so that composing threads share them read-only.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "pagemodel/GlyphShape.h"

namespace compose {

// Steps of the grid per page unit that every composed point lies on.
inline constexpr double GridSteps = 256.0;

// A distance in page units rounded to the grid.
inline double OnGrid(double v) { return std::nearbyint(v * GridSteps) / GridSteps; }

struct OutlinePiece {
    TLineCurveKind kind;   // lcMove or lcCurve
    double p[6];           // lcMove: p[0..1]; lcCurve: A, B, C
};

struct GlyphOutline {
    std::vector<OutlinePiece> pieces;
    double xMin = 0, xMax = 0;   // over all points, control points included
};

class GlyphOutlines {
public:
    // Reads every glyph of the face; false when FreeType cannot open it.
    // Runs of quadratic pieces become single cubics where these stay within
    // `mergeTolerance` em of the original (0: exact conversion only).
    bool Load(const std::string& fontPath, double mergeTolerance, std::string& error);

    const GlyphOutline& Of(uint32_t glyph) const;
    int UnitsPerEm() const { return unitsPerEm_; }

    // Places a glyph: page x = originX + k * fx, page y = baselineY - k * fy.
    // Empty outlines (spaces) give a shape without segments.
    TGlyphShape Place(uint32_t glyph, double originX, double baselineY, double k) const;

private:
    std::vector<GlyphOutline> outlines_;
    GlyphOutline empty_;
    int unitsPerEm_ = 1000;
};

} // namespace compose
