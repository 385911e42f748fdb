#include "GlyphOutlines.h"
#include "CurveMerge.h"

#include <algorithm>
#include <cmath>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace compose {

namespace {

struct Collector {
    GlyphOutline* out;
    double tolerance = 0;
    double cx = 0, cy = 0;  // current point
    std::vector<Quad> quads;  // pending run of quadratic pieces

    void Curve(double ax, double ay, double bx, double by, double x, double y) {
        Flush();
        out->pieces.push_back({lcCurve, {ax, ay, bx, by, x, y}});
        cx = x; cy = y;
    }
    void Quadratic(double x1, double y1, double x2, double y2) {
        quads.push_back({cx, cy, x1, y1, x2, y2});
        cx = x2; cy = y2;
    }
    // Emits the pending quadratics, each run of them as few cubics as stay
    // within the tolerance; a single quadratic is elevated exactly.
    void Flush() {
        size_t i = 0;
        while (i < quads.size()) {
            size_t best = i + 1;
            double pts[6];
            double fit[6] = {};
            if (tolerance > 0)
                for (size_t j = i + 2; j <= quads.size() && FitCubic(quads, i, j, tolerance, pts); ++j) {
                    best = j;
                    std::copy(pts, pts + 6, fit);
                }
            if (best == i + 1) {
                const Quad& q = quads[i];
                out->pieces.push_back({lcCurve, {q.x0 + 2.0 / 3.0 * (q.x1 - q.x0), q.y0 + 2.0 / 3.0 * (q.y1 - q.y0),
                                                 q.x2 + 2.0 / 3.0 * (q.x1 - q.x2), q.y2 + 2.0 / 3.0 * (q.y1 - q.y2),
                                                 q.x2, q.y2}});
            } else {
                out->pieces.push_back({lcCurve, {fit[0], fit[1], fit[2], fit[3], fit[4], fit[5]}});
            }
            i = best;
        }
        quads.clear();
    }
};

int MoveTo(const FT_Vector* to, void* user) {
    auto* c = static_cast<Collector*>(user);
    c->Flush();
    c->out->pieces.push_back({lcMove, {double(to->x), double(to->y), 0, 0, 0, 0}});
    c->cx = to->x; c->cy = to->y;
    return 0;
}

// A straight piece is a cubic whose control points all sit on its end point.
int LineTo(const FT_Vector* to, void* user) {
    auto* c = static_cast<Collector*>(user);
    if (to->x == c->cx && to->y == c->cy) return 0;  // closing a closed contour
    c->Curve(to->x, to->y, to->x, to->y, to->x, to->y);
    return 0;
}

// Exact degree elevation of a quadratic: C1 = P0 + 2/3 (P1 - P0), C2 = P2 + 2/3 (P1 - P2).
// Quadratics wait in a run so that neighbours can be merged (see Flush).
int ConicTo(const FT_Vector* ctrl, const FT_Vector* to, void* user) {
    static_cast<Collector*>(user)->Quadratic(ctrl->x, ctrl->y, to->x, to->y);
    return 0;
}

int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
    static_cast<Collector*>(user)->Curve(c1->x, c1->y, c2->x, c2->y, to->x, to->y);
    return 0;
}

} // namespace

bool GlyphOutlines::Load(const std::string& fontPath, double mergeTolerance, std::string& error) {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib)) { error = "FreeType did not start"; return false; }
    FT_Face face = nullptr;
    if (FT_New_Face(lib, fontPath.c_str(), 0, &face)) {
        error = "cannot open font " + fontPath;
        FT_Done_FreeType(lib);
        return false;
    }
    unitsPerEm_ = face->units_per_EM;
    outlines_.assign(face->num_glyphs, {});
    FT_Outline_Funcs funcs{};
    funcs.move_to = MoveTo;
    funcs.line_to = LineTo;
    funcs.conic_to = ConicTo;
    funcs.cubic_to = CubicTo;
    for (FT_Long g = 0; g < face->num_glyphs; ++g) {
        if (FT_Load_Glyph(face, FT_UInt(g), FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
            continue;
        if (face->glyph->format != FT_GLYPH_FORMAT_OUTLINE) continue;
        Collector c;
        c.out = &outlines_[g];
        c.tolerance = mergeTolerance * unitsPerEm_;
        FT_Outline_Decompose(&face->glyph->outline, &funcs, &c);
        c.Flush();
        GlyphOutline& o = outlines_[g];
        bool first = true;
        for (const OutlinePiece& p : o.pieces)
            for (int i = 0; i < (p.kind == lcCurve ? 6 : 2); i += 2) {
                o.xMin = first ? p.p[i] : std::min(o.xMin, p.p[i]);
                o.xMax = first ? p.p[i] : std::max(o.xMax, p.p[i]);
                first = false;
            }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(lib);
    return true;
}

const GlyphOutline& GlyphOutlines::Of(uint32_t glyph) const {
    return glyph < outlines_.size() ? outlines_[glyph] : empty_;
}

TGlyphShape GlyphOutlines::Place(uint32_t glyph, double ox, double oy, double k) const {
    TGlyphShape s;
    const GlyphOutline& o = Of(glyph);
    s.CounterData.reserve(o.pieces.size());
    // Coordinates lie on a 1/256-unit grid (invisible at any view size):
    // their low mantissa bits are zero, which lets the page data compress.
    // The origin is put on the grid first (a move of at most 1/512 unit) and
    // each point snapped relative to it, so every occurrence of a glyph at
    // one size is the same outline moved by whole grid steps, exactly in
    // floats, which the packed pages keep once. (Lines that settle off the
    // even line grid move by whole grid steps too.)
    const double gx = std::nearbyint(ox * GridSteps), gy = std::nearbyint(oy * GridSteps);
    auto X = [&](double fx) { return float((gx + std::nearbyint(k * fx * GridSteps)) / GridSteps); };
    auto Y = [&](double fy) { return float((gy - std::nearbyint(k * fy * GridSteps)) / GridSteps); };
    for (const OutlinePiece& p : o.pieces) {
        TLineCurve seg;
        seg.Kind = p.kind;
        seg.A = {X(p.p[0]), Y(p.p[1])};
        if (p.kind == lcCurve) {
            seg.B = {X(p.p[2]), Y(p.p[3])};
            seg.C = {X(p.p[4]), Y(p.p[5])};
        }
        s.CounterData.push_back(seg);
    }
    if (!s.CounterData.empty()) s.MoveToPoint = s.CounterData[0].A;
    return s;
}

} // namespace compose
