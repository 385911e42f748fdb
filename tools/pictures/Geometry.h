#pragma once
// Points and affine maps of the picture designs, in output pixels (x to the
// right, y downwards); the painter multiplies by three only when it fills.
#include <cmath>

namespace pictures {

constexpr double kPi = 3.14159265358979323846;

struct TVec {
    double x = 0, y = 0;
};
inline TVec operator+(TVec a, TVec b) { return {a.x + b.x, a.y + b.y}; }
inline TVec operator-(TVec a, TVec b) { return {a.x - b.x, a.y - b.y}; }
inline TVec operator*(TVec a, double k) { return {a.x * k, a.y * k}; }
inline TVec Polar(double r, double angle) { return {r * std::cos(angle), r * std::sin(angle)}; }
inline TVec Lerp(TVec a, TVec b, double t) { return a + (b - a) * t; }

// x' = a x + c y + e, y' = b x + d y + f.
struct TAffine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    TVec Apply(TVec p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    static TAffine Translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
    static TAffine Scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    static TAffine Rotate(double angle) {
        const double cs = std::cos(angle), sn = std::sin(angle);
        return {cs, sn, -sn, cs, 0, 0};
    }
    // this after m: first m, then this.
    TAffine operator*(const TAffine& m) const {
        return {a * m.a + c * m.b, b * m.a + d * m.b, a * m.c + c * m.d,
                b * m.c + d * m.d, a * m.e + c * m.f + e, b * m.e + d * m.f + f};
    }
};

} // namespace pictures
