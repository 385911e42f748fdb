#include "LineBreaker.h"

#include <limits>

namespace compose {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Cost of a line of items [i, j): the squared stretch spread over its gaps,
// infinite when it does not fit with the narrowest gaps.
double LineCost(const std::vector<double>& prefix, int i, int j, const BreakParams& p) {
    int gaps = j - i - 1;
    double ink = prefix[j] - prefix[i];
    if (ink + gaps * p.minGap > p.lineWidth + 1e-9) return kInf;
    double slack = p.lineWidth - ink - gaps * p.gap;  // negative: gaps shrink
    if (gaps == 0) return slack * slack * 4.0;         // a lone word cannot be justified
    double per = slack / gaps;
    double cost = per * per * gaps;
    if (slack < 0) cost *= 2.0;  // squeezed lines look worse than open ones
    return cost;
}

} // namespace

std::vector<int> BreakLines(const std::vector<BreakItem>& items, int lines, const BreakParams& p) {
    int n = int(items.size());
    if (lines <= 0 || n < lines) return {};
    std::vector<double> prefix(n + 1, 0);
    for (int i = 0; i < n; ++i) prefix[i + 1] = prefix[i] + items[i].width;
    // best[l][j]: cheapest way to set items [0, j) on l lines.
    std::vector<std::vector<double>> best(lines + 1, std::vector<double>(n + 1, kInf));
    std::vector<std::vector<int>> from(lines + 1, std::vector<int>(n + 1, -1));
    best[0][0] = 0;
    for (int l = 1; l <= lines; ++l) {
        for (int j = l; j <= n; ++j) {
            if (j < n && !items[j].breakBefore) continue;
            for (int i = j - 1; i >= l - 1; --i) {
                if (!items[i].breakBefore && i > 0) continue;
                if (best[l - 1][i] == kInf) continue;
                double c = LineCost(prefix, i, j, p);
                if (c == kInf) break;  // longer lines only get wider
                if (best[l - 1][i] + c < best[l][j]) {
                    best[l][j] = best[l - 1][i] + c;
                    from[l][j] = i;
                }
            }
        }
    }
    if (best[lines][n] == kInf) return {};
    std::vector<int> starts(lines);
    int j = n;
    for (int l = lines; l >= 1; --l) {
        starts[l - 1] = from[l][j];
        j = from[l][j];
    }
    return starts;
}

bool FitsInLines(const std::vector<BreakItem>& items, int lines, const BreakParams& p) {
    return !BreakLines(items, lines, p).empty();
}

} // namespace compose
