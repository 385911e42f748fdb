// Replaces runs of consecutive quadratic pieces of an outline by single
// cubics wherever one cubic stays within a tolerance of the original run.
#pragma once
#include <cstddef>
#include <vector>

namespace compose {

struct Quad { double x0, y0, x1, y1, x2, y2; };

// Cubic control points A, B and end point C for quads [from, to) of `run`,
// or false when no cubic within `tolerance` (font units) exists.
bool FitCubic(const std::vector<Quad>& run, size_t from, size_t to, double tolerance, double out[6]);

} // namespace compose
