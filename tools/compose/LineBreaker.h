// Optimal-fit line breaking of one run of text into a fixed number of lines.
#pragma once
#include <vector>

namespace compose {

struct BreakItem {
    double width = 0;           // natural width in page units
    bool breakBefore = true;    // a line may start with this item
};

struct BreakParams {
    double lineWidth = 0;       // page units
    double gap = 0;             // natural gap between items
    double minGap = 0;          // narrowest gap allowed when a line is full
};

// Splits items into exactly `lines` lines (returns the index of the first
// item of each line) minimising the squared stretch of the gaps summed over
// the lines; empty when no such split fits.
std::vector<int> BreakLines(const std::vector<BreakItem>& items, int lines, const BreakParams& p);

// Whether the items fit into `lines` lines at all with gaps at their minimum.
bool FitsInLines(const std::vector<BreakItem>& items, int lines, const BreakParams& p);

} // namespace compose
