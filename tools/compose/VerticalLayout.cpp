#include "VerticalLayout.h"

#include <algorithm>
#include <limits>

namespace compose {

namespace {

// Least-squares fit of a non-decreasing sequence to `target` (pool adjacent violators).
std::vector<double> Isotonic(const std::vector<double>& target) {
    struct Block { double sum; int count; };
    std::vector<Block> blocks;
    for (double t : target) {
        blocks.push_back({t, 1});
        while (blocks.size() > 1) {
            Block& b = blocks.back();
            Block& a = blocks[blocks.size() - 2];
            if (a.sum / a.count <= b.sum / b.count) break;
            a.sum += b.sum;
            a.count += b.count;
            blocks.pop_back();
        }
    }
    std::vector<double> out;
    for (const Block& b : blocks) out.insert(out.end(), b.count, b.sum / b.count);
    return out;
}

} // namespace

std::vector<double> PlaceBaselines(const std::vector<TextLineInk>& lines,
                                   const std::vector<std::pair<int, bool>>& headers,
                                   double pageHeight, double linePitch, const PictureRoom& room) {
    size_t n = lines.size();
    if (n == 0) return {};
    auto headerAfter = [&](int from, int to) -> const std::pair<int, bool>* {
        for (const auto& h : headers)
            if (h.first > from && h.first < to) return &h;
        return nullptr;
    };
    auto blockHeight = [&](bool basmalah, bool onFirstLine) {
        double h = room.frame + room.margin;
        if (basmalah) h += (onFirstLine ? room.firstLineDrop : 0) + room.gap + room.basmalah + room.margin;
        return h;
    };
    // Smallest distance from each baseline to the next: lines may close up a
    // little, and a header between them needs its whole picture height.
    std::vector<double> gapMin(n, 0);
    for (size_t i = 0; i + 1 < n; ++i) {
        const auto* h = headerAfter(lines[i].line, lines[i + 1].line);
        gapMin[i] = h ? lines[i].descent + room.gap + blockHeight(h->second, false) + lines[i + 1].ascent
                      : 0.8 * linePitch;
    }
    // y_i = z_i + offset_i turns the gaps into z being non-decreasing.
    std::vector<double> offset(n, 0), target(n);
    for (size_t i = 1; i < n; ++i) offset[i] = offset[i - 1] + gapMin[i - 1];
    for (size_t i = 0; i < n; ++i) target[i] = lines[i].grid - offset[i];
    std::vector<double> z = Isotonic(target);
    // The first line stays below a header on line 1 (or the page top), the
    // last above the page bottom; no ink leaves the page.
    const auto* top = headerAfter(0, lines[0].line);
    double lowest = (top ? blockHeight(top->second, true) : room.pageEdge) + lines[0].ascent;
    double highest = pageHeight - room.pageEdge - lines[n - 1].descent - offset[n - 1];
    for (double& v : z) v = std::min(std::max(v, lowest), highest);
    std::vector<double> y(n);
    for (size_t i = 0; i < n; ++i) y[i] = z[i] + offset[i];
    return y;
}

} // namespace compose
