#include "display/Downsample3x.h"

#include <algorithm>

namespace {
// floor(s / 9) for every sum of nine bytes, by multiplication.
constexpr unsigned DivideBy9(unsigned s) { return (s * 7282u) >> 16; }
constexpr bool DivisionIsExact() {
    for (unsigned s = 0; s <= 9 * 255; ++s)
        if (DivideBy9(s) != s / 9) return false;
    return true;
}
static_assert(DivisionIsExact());
}  // namespace

void Downsample3xRow(const std::uint8_t* row0, const std::uint8_t* row1, const std::uint8_t* row2,
                     std::uint8_t* target, int x0, int x1) {
    for (int x = x0; x < x1; ++x) {
        const std::size_t s = std::size_t(x) * 9;
        const std::uint8_t* a = row0 + s;
        const std::uint8_t* b = row1 + s;
        const std::uint8_t* c = row2 + s;
        std::uint8_t* t = target + std::size_t(x) * 3;
        for (int ch = 0; ch < 3; ++ch) {
            const unsigned sum = unsigned(a[ch]) + a[ch + 3] + a[ch + 6] + b[ch] + b[ch + 3] +
                                 b[ch + 6] + c[ch] + c[ch + 3] + c[ch + 6];
            t[ch] = std::uint8_t(DivideBy9(sum));
        }
    }
}

void Downsample3x(const TBitmap24& source, TBitmap24& target) {
    const int width = std::min(target.Width(), source.Width() / 3);
    const int height = std::min(target.Height(), source.Height() / 3);
    for (int y = 0; y < height; ++y)
        Downsample3xRow(source.Row(3 * y), source.Row(3 * y + 1), source.Row(3 * y + 2),
                        target.Row(y), 0, width);
}
