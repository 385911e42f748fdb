#include "render/PictureReduction.h"

#include <cstdint>
#include <vector>

#include "base/Picture.h"

namespace {

// The source column (or row) under each of the 3 × `target` sub-pixel centres.
std::vector<int> NearestSources(int source, int target) {
    const int sub = 3 * target;
    std::vector<int> at(std::size_t(sub > 0 ? sub : 0));
    for (int i = 0; i < sub; ++i) at[std::size_t(i)] = int((2 * std::int64_t(i) + 1) * source / (2 * std::int64_t(sub)));
    return at;
}

// Each target pixel: the truncated mean of the nine source pixels that
// `pixel(x, y, channel)` gives at its sub-pixel centres.
template <class TPixel>
void Reduce(int sourceWidth, int sourceHeight, TBitmap24& target, TPixel pixel) {
    const int tw = target.Width(), th = target.Height();
    if (sourceWidth <= 0 || sourceHeight <= 0 || tw <= 0 || th <= 0) return;
    const std::vector<int> xs = NearestSources(sourceWidth, tw), ys = NearestSources(sourceHeight, th);
    for (int y = 0; y < th; ++y) {
        std::uint8_t* out = target.Row(y);
        for (int x = 0; x < tw; ++x, out += 3) {
            unsigned sum[3] = {0, 0, 0};
            for (int j = 0; j < 3; ++j)
                for (int i = 0; i < 3; ++i) {
                    std::uint8_t bgr[3];
                    pixel(xs[std::size_t(3 * x + i)], ys[std::size_t(3 * y + j)], bgr);
                    sum[0] += bgr[0], sum[1] += bgr[1], sum[2] += bgr[2];
                }
            for (int c = 0; c < 3; ++c) out[c] = std::uint8_t(sum[c] / 9);
        }
    }
}

}  // namespace

void ReduceBitmap(const TBitmap24& source, TBitmap24& target) {
    Reduce(source.Width(), source.Height(), target, [&](int x, int y, std::uint8_t* bgr) {
        const std::uint8_t* p = source.Row(y) + std::size_t(x) * 3;
        bgr[0] = p[0], bgr[1] = p[1], bgr[2] = p[2];
    });
}

TBitmap24 ReducePicture(const TPicture& picture, int width, int height, TColor ground) {
    TBitmap24 target(width, height);
    const int w = picture.Width, h = picture.Height;
    if (w <= 0 || h <= 0 || picture.Pixels.size() < std::size_t(w) * std::size_t(h) * 4) {
        target.Fill(ground);
        return target;
    }
    const unsigned back[3] = {(ground >> 16) & 0xFF, (ground >> 8) & 0xFF, ground & 0xFF};
    Reduce(w, h, target, [&](int x, int y, std::uint8_t* bgr) {
        const std::uint8_t* p = picture.Pixels.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4;
        const unsigned a = p[3];
        for (int c = 0; c < 3; ++c) bgr[c] = std::uint8_t((p[c] * a + back[c] * (255 - a) + 127) / 255);
    });
    return target;
}
