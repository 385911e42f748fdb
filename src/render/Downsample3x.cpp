#include "render/Downsample3x.h"

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
    // Columns of three summed first (a loop the compiler vectorises), then
    // three neighbouring column sums of the same channel per target value.
    constexpr int Chunk = 128;  // target pixels per pass
    std::uint16_t columns[Chunk * 9];
    for (int start = x0; start < x1; start += Chunk) {
        const int count = std::min(Chunk, x1 - start);
        const std::size_t s = std::size_t(start) * 9;
        const int n = count * 9;
        for (int i = 0; i < n; ++i)
            columns[i] = std::uint16_t(row0[s + i] + row1[s + i] + row2[s + i]);
        std::uint8_t* t = target + std::size_t(start) * 3;
        for (int p = 0; p < count; ++p) {
            const std::uint16_t* c = columns + p * 9;
            t[3 * p + 0] = std::uint8_t(DivideBy9(unsigned(c[0]) + c[3] + c[6]));
            t[3 * p + 1] = std::uint8_t(DivideBy9(unsigned(c[1]) + c[4] + c[7]));
            t[3 * p + 2] = std::uint8_t(DivideBy9(unsigned(c[2]) + c[5] + c[8]));
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
