#pragma once
// Every layout of the program is designed in pixels of a 96-DPI display.
// A window on a display of another DPI multiplies its sizes by DPI / 96:
// the layouts take a TScale and return device pixels, so no design size
// reaches the screen as it is.
#include "base/ControlPlace.h"

inline constexpr int DesignDpi = 96;

struct TScale {
    int Dpi = DesignDpi;

    // Device pixels of `design` pixels, rounded to the nearest (halves away
    // from zero, negative font heights alike).
    int operator()(int design) const;
    // The place with its edges scaled rather than its size, so that places
    // that touch or keep apart in the design do so at every DPI.
    TControlPlace operator()(const TControlPlace& design) const;
    double Factor() const { return double(Dpi) / DesignDpi; }
    bool operator==(const TScale&) const = default;
};

// A character height in pixels for a size in points at `dpi` (negative, as
// the window system's font calls take a character height).
int PointsToPixels(int points, int dpi);
