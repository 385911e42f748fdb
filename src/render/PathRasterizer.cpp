#include "render/PathRasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

using namespace PathRasterizerDetail;

namespace {
std::int32_t ClampCoordinate(std::int32_t v) {
    return std::clamp(v, -TPathRasterizer::MaxCoordinate, TPathRasterizer::MaxCoordinate);
}
}  // namespace

void TPathRasterizer::Clear() {
    FEdges.clear();
    FFigureOpen = false;
}

void TPathRasterizer::AddFixedPoint(std::int32_t x, std::int32_t y) {
    if (y != FLastY) {
        const bool down = y > FLastY;
        const std::int32_t top = down ? FLastY : y, bottom = down ? y : FLastY;
        const std::int32_t first = FirstRow(top), end = FirstRow(bottom);
        if (first < end) {
            if (down)
                FEdges.push_back({FLastX, FLastY, x, y, first, end, 1});
            else
                FEdges.push_back({x, y, FLastX, FLastY, first, end, -1});
        }
    }
    FLastX = x;
    FLastY = y;
}

void TPathRasterizer::CloseFigure() {
    if (!FFigureOpen) return;
    AddFixedPoint(FStartX, FStartY);
    FFigureOpen = false;
}

void TPathRasterizer::StartFigureIfNone() {
    if (FFigureOpen) return;
    FStartX = FLastX = FCurrent.X * FixedOne;
    FStartY = FLastY = FCurrent.Y * FixedOne;
    FFigureOpen = true;
}

void TPathRasterizer::MoveTo(TIntPoint p) {
    CloseFigure();
    FCurrent = {ClampCoordinate(p.X), ClampCoordinate(p.Y)};
    StartFigureIfNone();
}

void TPathRasterizer::LineTo(TIntPoint p) {
    StartFigureIfNone();
    FCurrent = {ClampCoordinate(p.X), ClampCoordinate(p.Y)};
    AddFixedPoint(FCurrent.X * FixedOne, FCurrent.Y * FixedOne);
}

void TPathRasterizer::BezierTo(TIntPoint c1, TIntPoint c2, TIntPoint end) {
    StartFigureIfNone();
    const std::int64_t x0 = FCurrent.X, y0 = FCurrent.Y;
    const std::int64_t x1 = ClampCoordinate(c1.X), y1 = ClampCoordinate(c1.Y);
    const std::int64_t x2 = ClampCoordinate(c2.X), y2 = ClampCoordinate(c2.Y);
    const std::int64_t x3 = ClampCoordinate(end.X), y3 = ClampCoordinate(end.Y);
    FCurrent = {std::int32_t(x3), std::int32_t(y3)};

    // Wang's bound: n steps keep the error under half a pixel when
    // n^2 >= 1.5 L, L the largest second difference of the control polygon.
    const std::int64_t l = std::max(std::llabs(x0 - 2 * x1 + x2) + std::llabs(y0 - 2 * y1 + y2),
                                    std::llabs(x1 - 2 * x2 + x3) + std::llabs(y1 - 2 * y2 + y3));
    std::int64_t n = std::int64_t(std::ceil(std::sqrt(1.5 * double(l))));
    n = std::clamp<std::int64_t>(n, 1, MaxCurveSteps);
    if (l == 0) n = 1;  // a straight piece
    const std::int64_t n3 = n * n * n;
    for (std::int64_t i = 1; i < n; ++i) {
        const std::int64_t u = n - i;
        const std::int64_t a = u * u * u, b = 3 * u * u * i, c = 3 * u * i * i, d = i * i * i;
        const std::int64_t px = (a * x0 + b * x1 + c * x2 + d * x3) * FixedOne;
        const std::int64_t py = (a * y0 + b * y1 + c * y2 + d * y3) * FixedOne;
        AddFixedPoint(std::int32_t(FloorDiv(px + n3 / 2, n3)), std::int32_t(FloorDiv(py + n3 / 2, n3)));
    }
    AddFixedPoint(std::int32_t(x3 * FixedOne), std::int32_t(y3 * FixedOne));
}

void TPathRasterizer::BeginActive(const TEdge& e, int row) {
    TActive a;
    const std::int64_t dy = std::int64_t(e.YBottom) - e.YTop;
    const std::int64_t dx = std::int64_t(e.XBottom) - e.XTop;
    const std::int64_t offset = std::int64_t(row) * FixedOne + FixedCentre - e.YTop;  // 0 <= offset < dy
    std::int64_t q, stepQ;
    if (dy < (1 << 30) && offset < (1 << 11) && dx > -(1 << 19) && dx < (1 << 19)) {
        // Short edges, nearly all of them: the same quotients in 32 bits.
        const std::int32_t num = std::int32_t(offset * dx), step = std::int32_t(FixedOne * dx);
        const std::int32_t d = std::int32_t(dy);
        std::int32_t q32 = num / d, s32 = step / d;
        if (num % d < 0) --q32;
        if (step % d < 0) --s32;
        q = q32;
        stepQ = s32;
    } else {
        q = FloorDiv(offset * dx, dy);
        stepQ = FloorDiv(FixedOne * dx, dy);
    }
    a.Dy = dy;
    a.X = std::int32_t(e.XTop + q);
    a.Rem = offset * dx - q * dy;
    a.StepX = std::int32_t(stepQ);
    a.StepRem = FixedOne * dx - stepQ * dy;
    a.EndRow = e.EndRow;
    a.Dir = e.Dir;
    FActive.push_back(a);
}

bool TPathRasterizer::Inside(TFillRule rule, int px, int py) {
    CloseFigure();
    const std::int64_t yc = std::int64_t(py) * FixedOne + FixedCentre, xc = std::int64_t(px) * FixedOne + FixedCentre;
    int winding = 0;
    for (const TEdge& e : FEdges) {
        if (yc < e.YTop || yc >= e.YBottom) continue;
        const std::int64_t x =
            e.XTop + FloorDiv((yc - e.YTop) * (std::int64_t(e.XBottom) - e.XTop),
                              std::int64_t(e.YBottom) - e.YTop);
        if (x <= xc) winding += e.Dir;
    }
    return IsInside(rule, winding);
}

std::string TPathRasterizer::Dump() const {
    std::ostringstream out;
    for (const TEdge& e : FEdges)
        out << (e.XTop / double(FixedOne)) << ',' << (e.YTop / double(FixedOne)) << " -> " << (e.XBottom / double(FixedOne)) << ','
            << (e.YBottom / double(FixedOne)) << (e.Dir > 0 ? " down\n" : " up\n");
    return out.str();
}
