// Vertical placement of a page's text lines: as close to the even grid of
// fifteen lines as possible while every header frame and basmalah picture,
// placed the way the viewer places them, stays clear of the text.
#pragma once
#include <vector>

namespace compose {

struct TextLineInk {
    int line = 0;          // 1 to 15
    double grid = 0;       // baseline on the even grid
    double ascent = 0;     // ink above the baseline (box tops)
    double descent = 0;    // ink below the baseline (box bottoms)
};

// Picture heights in page units for the tallest case among the window sizes
// the viewer is laid out for, with the gaps the viewer leaves around them.
struct PictureRoom {
    double frame = 72.0;          // 749 x 90 strip across a 600-pixel view
    double basmalah = 45.67;      // 749 x 57 strip across a 600-pixel view
    double gap = 3.0;             // three units below the line above, and below the frame
    double firstLineDrop = 15.0;  // extra drop of a basmalah on line 2
    double margin = 1.5;          // pixel rounding of every step
    double pageEdge = 0.01;       // ink inside the page's top and bottom, past float rounding
};

// Returns a baseline per text line (same order). `headers` lists the empty
// header lines and whether each has a basmalah line after it.
std::vector<double> PlaceBaselines(const std::vector<TextLineInk>& lines,
                                   const std::vector<std::pair<int, bool>>& headers,
                                   double pageHeight, double linePitch, const PictureRoom& room = {});

} // namespace compose
