#include "CurveMerge.h"

#include <algorithm>
#include <cmath>

namespace compose {

namespace {

struct P { double x, y; };
P Q(const Quad& q, double t) {
    double u = 1 - t;
    return {u * u * q.x0 + 2 * u * t * q.x1 + t * t * q.x2, u * u * q.y0 + 2 * u * t * q.y1 + t * t * q.y2};
}
P C(const P& a, const P& b, const P& c, const P& d, double t) {
    double u = 1 - t;
    return {u * u * u * a.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x,
            u * u * u * a.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y};
}
double SegDist(P p, P a, P b) {
    double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
    double t = l > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

} // namespace

bool FitCubic(const std::vector<Quad>& run, size_t from, size_t to, double tol, double out[6]) {
    const Quad& f = run[from];
    const Quad& l = run[to - 1];
    P p0{f.x0, f.y0}, p3{l.x2, l.y2};
    P t0{f.x1 - f.x0, f.y1 - f.y0}, t1{l.x1 - l.x2, l.y1 - l.y2};
    double n0 = std::hypot(t0.x, t0.y), n1 = std::hypot(t1.x, t1.y);
    if (n0 == 0 || n1 == 0) return false;
    t0 = {t0.x / n0, t0.y / n0};
    t1 = {t1.x / n1, t1.y / n1};
    // Samples of the run with chord-length parameters.
    std::vector<P> pts{p0};
    for (size_t i = from; i < to; ++i)
        for (int s = 1; s <= 6; ++s) pts.push_back(Q(run[i], s / 6.0));
    std::vector<double> u(pts.size(), 0);
    for (size_t i = 1; i < pts.size(); ++i) u[i] = u[i - 1] + std::hypot(pts[i].x - pts[i - 1].x, pts[i].y - pts[i - 1].y);
    if (u.back() <= 0) return false;
    for (double& v : u) v /= u.back();
    // Least squares for the two tangent lengths.
    double c11 = 0, c12 = 0, c22 = 0, x1 = 0, x2 = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        double t = u[i], s = 1 - t;
        double b0 = s * s * s, b1 = 3 * s * s * t, b2 = 3 * s * t * t, b3 = t * t * t;
        P a1{t0.x * b1, t0.y * b1}, a2{t1.x * b2, t1.y * b2};
        P r{pts[i].x - (p0.x * (b0 + b1) + p3.x * (b2 + b3)), pts[i].y - (p0.y * (b0 + b1) + p3.y * (b2 + b3))};
        c11 += a1.x * a1.x + a1.y * a1.y;
        c12 += a1.x * a2.x + a1.y * a2.y;
        c22 += a2.x * a2.x + a2.y * a2.y;
        x1 += r.x * a1.x + r.y * a1.y;
        x2 += r.x * a2.x + r.y * a2.y;
    }
    double det = c11 * c22 - c12 * c12;
    if (std::fabs(det) < 1e-12) return false;
    double alpha = (x1 * c22 - x2 * c12) / det, beta = (c11 * x2 - c12 * x1) / det;
    if (alpha <= 0 || beta <= 0) return false;
    P b{p0.x + alpha * t0.x, p0.y + alpha * t0.y}, c{p3.x + beta * t1.x, p3.y + beta * t1.y};
    // Every sample of the original must lie near the cubic, and the cubic near the original.
    std::vector<P> cub;
    for (int i = 0; i <= 96; ++i) cub.push_back(C(p0, b, c, p3, i / 96.0));
    std::vector<P> orig{p0};
    for (size_t i = from; i < to; ++i)
        for (int s = 1; s <= 16; ++s) orig.push_back(Q(run[i], s / 16.0));
    auto far = [tol](const std::vector<P>& pts, const std::vector<P>& poly) {
        for (const P& p : pts) {
            double d = 1e300;
            for (size_t k = 0; k + 1 < poly.size() && d > tol * 0.5; ++k) d = std::min(d, SegDist(p, poly[k], poly[k + 1]));
            if (d > tol) return true;
        }
        return false;
    };
    if (far(orig, cub) || far(cub, orig)) return false;
    out[0] = b.x; out[1] = b.y; out[2] = c.x; out[3] = c.y; out[4] = p3.x; out[5] = p3.y;
    return true;
}

} // namespace compose
