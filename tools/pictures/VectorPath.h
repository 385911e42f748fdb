#pragma once
// A path of figures made of straight and cubic pieces in output pixels, with
// the shapes the ornaments are built from. Figures are closed when filled.
#include <vector>

#include "Geometry.h"

namespace pictures {

struct TBox {
    double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
    bool Empty() const { return left > right; }
    double Width() const { return Empty() ? 0 : right - left; }
    double Height() const { return Empty() ? 0 : bottom - top; }
    void Add(TVec p);
    void Add(const TBox& b);
};

class TVectorPath {
public:
    enum class TOp : unsigned char { Move, Line, Cubic };
    struct TPiece {
        TOp op;
        TVec p[3];  // Move/Line: p[0]; Cubic: controls p[0], p[1], end p[2]
    };

    void MoveTo(TVec p) { FPieces.push_back({TOp::Move, {p, {}, {}}}); }
    void LineTo(TVec p) { FPieces.push_back({TOp::Line, {p, {}, {}}}); }
    void CubicTo(TVec c1, TVec c2, TVec p) { FPieces.push_back({TOp::Cubic, {c1, c2, p}}); }
    void QuadTo(TVec current, TVec c, TVec p);  // as a cubic
    void Append(const TVectorPath& other);
    void Append(const TVectorPath& other, const TAffine& m);

    // Shapes; `reverse` turns the figure the other way, a hole under the
    // winding rule inside a figure turned the usual way (clockwise on screen).
    void AddRect(double x0, double y0, double x1, double y1, bool reverse = false);
    void AddRoundRect(double x0, double y0, double x1, double y1, double r, bool reverse = false);
    void AddEllipse(TVec c, double rx, double ry, bool reverse = false);
    void AddCircle(TVec c, double r, bool reverse = false) { AddEllipse(c, r, r, reverse); }
    void AddPolygon(const std::vector<TVec>& points, bool reverse = false);
    // A ring of width w centred on radius r.
    void AddRing(TVec c, double r, double w);
    // A straight band of width w from a to b with round ends.
    void AddCapsule(TVec a, TVec b, double w);
    // A straight band of width w from a to b with square ends.
    void AddBar(TVec a, TVec b, double w);

    TVectorPath Transformed(const TAffine& m) const;
    TBox Bounds() const;
    const std::vector<TPiece>& Pieces() const { return FPieces; }
    bool Empty() const { return FPieces.empty(); }

private:
    std::vector<TPiece> FPieces;
};

} // namespace pictures
