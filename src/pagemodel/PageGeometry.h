#pragma once
// Points and boxes of the page model. Page units are 32-bit floats with the
// origin at the top-left corner of the text block, x to the right, y downwards;
// pixel points are view pixels, page units times PageScale.
#include <algorithm>
#include <cstdint>
#include <limits>

struct TXYPoint {
    float x = 0;
    float y = 0;
};

// A point on the view in pixels, as the mouse reports it.
struct TPixelPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// Start values of the extents of words, lines and pages: minima start at the
// largest float, maxima at the smallest positive normal float (not the most
// negative value), so an empty word reports MinX 3.4028235e38, MaxX 1.1754944e-38.
inline constexpr float ExtentMinStart = std::numeric_limits<float>::max();
inline constexpr float ExtentMaxStart = std::numeric_limits<float>::min();

struct TExtents {
    float MinX = ExtentMinStart;
    float MaxX = ExtentMaxStart;
    float MinY = ExtentMinStart;
    float MaxY = ExtentMaxStart;

    void Include(const TExtents& e) {
        MinX = std::min(MinX, e.MinX);
        MaxX = std::max(MaxX, e.MaxX);
        MinY = std::min(MinY, e.MinY);
        MaxY = std::max(MaxY, e.MaxY);
    }
    void Include(TXYPoint p) {
        MinX = std::min(MinX, p.x);
        MaxX = std::max(MaxX, p.x);
        MinY = std::min(MinY, p.y);
        MaxY = std::max(MaxY, p.y);
    }
    // Inclusive on all four bounds.
    bool Contains(TXYPoint p) const {
        return MinX <= p.x && p.x <= MaxX && MinY <= p.y && p.y <= MaxY;
    }
};

// A view pixel in page units at the current PageScale.
TXYPoint ToPageUnits(TPixelPoint p);
