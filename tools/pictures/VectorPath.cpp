#include "VectorPath.h"

#include <algorithm>

namespace pictures {

namespace {
// Control distance of a quarter circle drawn as one cubic.
constexpr double kArc = 0.5522847498;
}

void TBox::Add(TVec p) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
}

void TBox::Add(const TBox& b) {
    if (b.Empty()) return;
    Add(TVec{b.left, b.top});
    Add(TVec{b.right, b.bottom});
}

void TVectorPath::QuadTo(TVec current, TVec c, TVec p) {
    CubicTo(current + (c - current) * (2.0 / 3), p + (c - p) * (2.0 / 3), p);
}

void TVectorPath::Append(const TVectorPath& other) {
    FPieces.insert(FPieces.end(), other.FPieces.begin(), other.FPieces.end());
}

void TVectorPath::Append(const TVectorPath& other, const TAffine& m) { Append(other.Transformed(m)); }

void TVectorPath::AddRect(double x0, double y0, double x1, double y1, bool reverse) {
    if (!reverse) AddPolygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
    else AddPolygon({{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}});
}

void TVectorPath::AddRoundRect(double x0, double y0, double x1, double y1, double r, bool reverse) {
    r = std::min({r, (x1 - x0) / 2, (y1 - y0) / 2});
    const double k = r * (1 - kArc);
    TVectorPath f;
    f.MoveTo({x0 + r, y0});
    f.LineTo({x1 - r, y0});
    f.CubicTo({x1 - k, y0}, {x1, y0 + k}, {x1, y0 + r});
    f.LineTo({x1, y1 - r});
    f.CubicTo({x1, y1 - k}, {x1 - k, y1}, {x1 - r, y1});
    f.LineTo({x0 + r, y1});
    f.CubicTo({x0 + k, y1}, {x0, y1 - k}, {x0, y1 - r});
    f.LineTo({x0, y0 + r});
    f.CubicTo({x0, y0 + k}, {x0 + k, y0}, {x0 + r, y0});
    if (reverse) f = f.Transformed(TAffine::Translate(0, y0 + y1) * TAffine::Scale(1, -1));
    Append(f);
}

void TVectorPath::AddEllipse(TVec c, double rx, double ry, bool reverse) {
    const double s = reverse ? -1 : 1;
    const double kx = rx * kArc, ky = ry * kArc * s;
    const double ey = ry * s;
    MoveTo({c.x + rx, c.y});
    CubicTo({c.x + rx, c.y + ky}, {c.x + kx, c.y + ey}, {c.x, c.y + ey});
    CubicTo({c.x - kx, c.y + ey}, {c.x - rx, c.y + ky}, {c.x - rx, c.y});
    CubicTo({c.x - rx, c.y - ky}, {c.x - kx, c.y - ey}, {c.x, c.y - ey});
    CubicTo({c.x + kx, c.y - ey}, {c.x + rx, c.y - ky}, {c.x + rx, c.y});
}

void TVectorPath::AddPolygon(const std::vector<TVec>& points, bool reverse) {
    if (points.empty()) return;
    if (!reverse) {
        MoveTo(points[0]);
        for (size_t i = 1; i < points.size(); ++i) LineTo(points[i]);
    } else {
        MoveTo(points.back());
        for (size_t i = points.size() - 1; i-- > 0;) LineTo(points[i]);
    }
}

void TVectorPath::AddRing(TVec c, double r, double w) {
    AddCircle(c, r + w / 2);
    AddCircle(c, std::max(0.0, r - w / 2), true);
}

void TVectorPath::AddCapsule(TVec a, TVec b, double w) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double angle = std::atan2(b.y - a.y, b.x - a.x);
    TVectorPath f;
    f.AddRoundRect(-w / 2, -w / 2, len + w / 2, w / 2, w / 2);
    Append(f, TAffine::Translate(a.x, a.y) * TAffine::Rotate(angle));
}

void TVectorPath::AddBar(TVec a, TVec b, double w) {
    const double len = std::hypot(b.x - a.x, b.y - a.y);
    const double angle = std::atan2(b.y - a.y, b.x - a.x);
    TVectorPath f;
    f.AddRect(0, -w / 2, len, w / 2);
    Append(f, TAffine::Translate(a.x, a.y) * TAffine::Rotate(angle));
}

TVectorPath TVectorPath::Transformed(const TAffine& m) const {
    TVectorPath out;
    out.FPieces.reserve(FPieces.size());
    for (TPiece p : FPieces) {
        for (TVec& v : p.p) v = m.Apply(v);
        out.FPieces.push_back(p);
    }
    return out;
}

TBox TVectorPath::Bounds() const {
    TBox b;
    for (const TPiece& p : FPieces) {
        b.Add(p.p[0]);
        if (p.op == TOp::Cubic) {
            b.Add(p.p[1]);
            b.Add(p.p[2]);
        }
    }
    return b;
}

} // namespace pictures
