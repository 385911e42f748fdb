#pragma once
// Scanline filler for paths of straight lines and cubic Béziers given in
// integer pixel coordinates, without smoothing.
//
// Fixed point: after flattening, every coordinate is a 32-bit signed count of
// 1/256 pixel (24.8); pixel (px, py) spans [px, px + 1) x [py, py + 1) and its
// centre is (256 px + 128, 256 py + 128). A pixel is filled exactly when its
// centre is inside the path under the fill rule, where an edge crossing the
// centre's row at x counts for every centre at or right of x. Each row is
// sampled at its centre line only; an edge covers the rows whose centre line
// lies in [its top, its bottom). Crossings are computed with exact integer
// quotient and remainder stepping, so the incremental sweep and the direct
// per-pixel test (`Inside`, the reference for tests) agree bit for bit.
//
// Curves are flattened into at most `MaxCurveSteps` lines chosen from the
// control polygon (Wang's bound, error under half a pixel). Memory is the
// edge list of the current path plus the active list of one row; both are
// reused from path to path. Pixel coordinates are clamped to +-2^21.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The 24.8 fixed point, named once.
inline constexpr int FixedShift = 8;
inline constexpr std::int32_t FixedOne = 1 << FixedShift;  // one pixel
inline constexpr std::int32_t FixedCentre = FixedOne / 2;  // from a pixel's edge to its centre
// The first pixel whose centre is at or after fixed coordinate v.
inline std::int32_t FirstCentreAtOrAfter(std::int32_t v) { return (v + FixedCentre - 1) >> FixedShift; }

enum class TFillRule : std::uint8_t { Alternate = 1, Winding = 2 };

// The one place where the fill rule decides inside from the winding count.
inline bool IsInside(TFillRule rule, int winding) {
    return rule == TFillRule::Winding ? winding != 0 : (winding & 1) != 0;
}

struct TIntPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

class TPathRasterizer {
public:
    static constexpr int MaxCurveSteps = 256;
    static constexpr std::int32_t MaxCoordinate = 1 << 21;

    // Forgets the path; the current point stays where it was.
    void Clear();
    // Starts a new figure at p; the previous figure is closed.
    void MoveTo(TIntPoint p);
    // Continue the current figure (starting one at the current point if none).
    void LineTo(TIntPoint p);
    void BezierTo(TIntPoint c1, TIntPoint c2, TIntPoint end);
    bool Empty() const { return FEdges.empty() && !FFigureOpen; }

    // Closes the open figure and calls sink(y, x0, x1) for every run of
    // filled pixels [x0, x1) of rows top <= y < bottom, columns [0, width),
    // rows in ascending order. The path is kept; Clear() drops it.
    template <class TSink>
    void Fill(TFillRule rule, int width, int top, int bottom, TSink&& sink);

    // Whether the centre of pixel (px, py) is inside the closed path: the
    // plain per-pixel procedure that the sweep is tested against.
    bool Inside(TFillRule rule, int px, int py);

    // One line per edge, for debugging.
    std::string Dump() const;

private:
    // Only edges that cross at least one row's centre line are kept.
    struct TEdge {
        std::int32_t XTop, YTop, XBottom, YBottom;  // 24.8, YTop < YBottom
        std::int32_t FirstRow, EndRow;              // rows crossed: [FirstRow, EndRow)
        std::int32_t Dir;                           // +1 downwards, -1 upwards
    };
    struct TActive {
        std::int32_t X;        // 24.8 crossing on the current row's centre line
        std::int64_t Rem;      // remainder of the crossing, 0 <= Rem < Dy
        std::int64_t Dy;
        std::int32_t StepX;    // quotient and remainder added per row
        std::int64_t StepRem;
        std::int32_t EndRow;   // first row no longer crossed
        std::int32_t Dir;
    };

    void AddFixedPoint(std::int32_t x, std::int32_t y);
    void CloseFigure();
    void StartFigureIfNone();

    std::vector<TEdge> FEdges;
    std::vector<TActive> FActive;
    std::vector<std::uint64_t> FOrder;  // first row (biased) << 32 | edge index
    TIntPoint FCurrent;
    bool FFigureOpen = false;
    std::int32_t FStartX = 0, FStartY = 0;  // figure start, 24.8
    std::int32_t FLastX = 0, FLastY = 0;    // last point, 24.8

    void BeginActive(const TEdge& e, int row);
};

namespace PathRasterizerDetail {
inline std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    std::int64_t q = a / b;
    return (a % b < 0) ? q - 1 : q;
}
inline std::int32_t FirstRow(std::int32_t y) { return FirstCentreAtOrAfter(y); }
}  // namespace PathRasterizerDetail

template <class TSink>
void TPathRasterizer::Fill(TFillRule rule, int width, int top, int bottom, TSink&& sink) {
    using namespace PathRasterizerDetail;
    CloseFigure();
    if (FEdges.empty() || top >= bottom || width <= 0) return;

    // Edges clipped to the rows wanted, in order of their first row.
    FOrder.clear();
    constexpr std::int64_t Bias = std::int64_t(1) << 31;  // rows may be negative
    for (std::uint32_t i = 0; i < FEdges.size(); ++i) {
        const TEdge& e = FEdges[i];
        const std::int32_t first = std::max(e.FirstRow, top);
        if (first < std::min(e.EndRow, bottom))
            FOrder.push_back(std::uint64_t(first + Bias) << 32 | i);
    }
    if (FOrder.empty()) return;
    std::sort(FOrder.begin(), FOrder.end());
    auto firstRow = [&](std::uint64_t key) { return std::int32_t(std::int64_t(key >> 32) - Bias); };

    FActive.clear();
    std::size_t next = 0;
    int row = firstRow(FOrder[0]);
    while (row < bottom && (next < FOrder.size() || !FActive.empty())) {
        if (FActive.empty()) row = std::max(row, firstRow(FOrder[next]));
        while (next < FOrder.size() && firstRow(FOrder[next]) <= row) {
            BeginActive(FEdges[std::uint32_t(FOrder[next])], row);
            ++next;
        }
        if (row >= bottom) break;
        // Insertion sort: the order changes little from row to row.
        for (std::size_t i = 1; i < FActive.size(); ++i) {
            TActive a = FActive[i];
            std::size_t j = i;
            for (; j > 0 && FActive[j - 1].X > a.X; --j) FActive[j] = FActive[j - 1];
            FActive[j] = a;
        }
        int winding = 0;
        std::int32_t spanStart = 0;
        for (const TActive& a : FActive) {
            const bool wasInside = IsInside(rule, winding);
            winding += a.Dir;
            const bool inside = IsInside(rule, winding);
            if (inside == wasInside) continue;
            if (inside) {
                spanStart = a.X;
            } else {
                const int x0 = std::max(FirstCentreAtOrAfter(spanStart), 0);
                const int x1 = std::min(FirstCentreAtOrAfter(a.X), width);
                if (x0 < x1) sink(row, x0, x1);
            }
        }
        // Step to the next row, dropping edges that end here.
        std::size_t kept = 0;
        for (std::size_t i = 0; i < FActive.size(); ++i) {
            TActive a = FActive[i];
            if (a.EndRow <= row + 1) continue;
            // The carry without a branch: it goes either way from row to row.
            a.Rem += a.StepRem;
            const bool carry = a.Rem >= a.Dy;
            a.X += a.StepX + std::int32_t(carry);
            a.Rem -= carry ? a.Dy : 0;
            FActive[kept++] = a;
        }
        FActive.resize(kept);
        ++row;
    }
}
