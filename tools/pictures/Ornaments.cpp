#include "Ornaments.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pictures {

TVectorPath Star(TVec c, double rOuter, double rInner, int points, double rotation) {
    std::vector<TVec> pts;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = rotation - kPi / 2 + i * kPi / points;
        pts.push_back(c + Polar(i % 2 ? rInner : rOuter, angle));
    }
    TVectorPath p;
    p.AddPolygon(pts);
    return p;
}

TVectorPath Khatam(TVec c, double r) {
    // Two squares with corners at radius r: the star's inner corners lie at
    // r cos(45°) / cos(22.5°).
    return Star(c, r, r * std::cos(kPi / 4) / std::cos(kPi / 8), 8, kPi / 8);
}

TVectorPath Leaf(TVec a, TVec b, double width) {
    const TVec d = b - a;
    const double len = std::hypot(d.x, d.y);
    if (len == 0) return {};
    const TVec n = TVec{-d.y / len, d.x / len} * (width * 0.66);
    TVectorPath p;
    p.MoveTo(a);
    p.CubicTo(Lerp(a, b, 0.25) + n, Lerp(a, b, 0.7) + n, b);
    p.CubicTo(Lerp(a, b, 0.7) - n, Lerp(a, b, 0.25) - n, a);
    return p;
}

TVectorPath Rosette(TVec c, double r, double inner, int petals, double width, double rotation) {
    TVectorPath p;
    for (int i = 0; i < petals; ++i) {
        const double angle = rotation - kPi / 2 + i * 2 * kPi / petals;
        p.Append(Leaf(c + Polar(inner, angle), c + Polar(r, angle), width));
    }
    return p;
}

TVectorPath Lozenge(TVec c, double rx, double ry) {
    TVectorPath p;
    p.AddPolygon({{c.x, c.y - ry}, {c.x + rx, c.y}, {c.x, c.y + ry}, {c.x - rx, c.y}});
    return p;
}

TVectorPath Cartouche(TVec c, double halfW, double halfH, double cap) {
    const double l = c.x - halfW, r = c.x + halfW, t = c.y - halfH, b = c.y + halfH;
    TVectorPath p;
    p.MoveTo({l, t});
    p.LineTo({r, t});
    // Ogee: out along the top, then curling in to the point.
    p.CubicTo({r + cap * 0.95, t}, {r + cap * 0.2, c.y}, {r + cap, c.y});
    p.CubicTo({r + cap * 0.2, c.y}, {r + cap * 0.95, b}, {r, b});
    p.LineTo({l, b});
    p.CubicTo({l - cap * 0.95, b}, {l - cap * 0.2, c.y}, {l - cap, c.y});
    p.CubicTo({l - cap * 0.2, c.y}, {l - cap * 0.95, t}, {l, t});
    return p;
}

TVectorPath CartoucheGrown(TVec c, double halfW, double halfH, double cap, double d) {
    return Cartouche(c, halfW + d * 0.35, halfH + d, cap + d * 0.9);
}

TVectorPath NotchedRect(double x0, double y0, double x1, double y1, double r, bool reverse) {
    const double k = r * 0.5522847498;
    TVectorPath p;
    p.MoveTo({x0 + r, y0});
    p.LineTo({x1 - r, y0});
    p.CubicTo({x1 - r, y0 + k}, {x1 - k, y0 + r}, {x1, y0 + r});
    p.LineTo({x1, y1 - r});
    p.CubicTo({x1 - k, y1 - r}, {x1 - r, y1 - k}, {x1 - r, y1});
    p.LineTo({x0 + r, y1});
    p.CubicTo({x0 + r, y1 - k}, {x0 + k, y1 - r}, {x0, y1 - r});
    p.LineTo({x0, y0 + r});
    p.CubicTo({x0 + k, y0 + r}, {x0 + r, y0 + k}, {x0 + r, y0});
    if (reverse) return p.Transformed(TAffine::Translate(0, y0 + y1) * TAffine::Scale(1, -1));
    return p;
}

TVectorPath Rule(TVec a, TVec b, double w) {
    TVectorPath p;
    p.AddCapsule(a, b, w);
    return p;
}

TVectorPath RosetteRun(TVec a, TVec b, int count, double r) {
    TVectorPath p;
    for (int i = 0; i < count; ++i) {
        const TVec c = count == 1 ? Lerp(a, b, 0.5) : Lerp(a, b, double(i) / (count - 1));
        p.Append(Rosette(c, r, r * 0.2, 8, r * 0.5));
    }
    return p;
}

} // namespace pictures
