#pragma once
// Pictures drawn larger than they are shown, brought to their size on screen
// with the renderer's own filter: the source stretched to three times the
// target by nearest pixel, then each 3 × 3 block averaged as Downsample3x
// does. The stretch is never held: each target pixel reads its nine source
// pixels directly, so a source that is never held whole (a composite worked
// out pixel by pixel) reduces as well as a bitmap.
#include <cstdint>
#include <vector>

#include "render/Bitmap24.h"
#include "render/Canvas.h"

class TIndexedPicture;
class TPicture;

// The source column (or row) under each of the 3 × `target` sub-pixel centres.
std::vector<int> NearestSources(int source, int target);

// The target pixels in `area` (clipped to the target) of the reduction of a
// sourceWidth × sourceHeight source whose pixel (x, y) `pixel(x, y, bgr)`
// writes as blue, green, red.
template <class TPixel>
void ReduceArea(int sourceWidth, int sourceHeight, TBitmap24& target, const TPixelRect& area, TPixel&& pixel) {
    const int tw = target.Width(), th = target.Height();
    if (sourceWidth <= 0 || sourceHeight <= 0 || tw <= 0 || th <= 0) return;
    const std::vector<int> xs = NearestSources(sourceWidth, tw), ys = NearestSources(sourceHeight, th);
    const int x0 = area.Left < 0 ? 0 : area.Left, x1 = area.Right > tw ? tw : area.Right;
    const int y0 = area.Top < 0 ? 0 : area.Top, y1 = area.Bottom > th ? th : area.Bottom;
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* out = target.Row(y) + std::size_t(x0 > 0 ? x0 : 0) * 3;
        for (int x = x0; x < x1; ++x, out += 3) {
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

// The target pixels of a width × height reduction of that source that read
// a source pixel inside `source`: all that change when only those do.
TPixelRect ReductionAreaOf(int sourceWidth, int sourceHeight, int width, int height, const TPixelRect& source);

// `source` over all of `target`, at the target's size.
void ReduceBitmap(const TBitmap24& source, TBitmap24& target);

// `picture` (its alpha blended over `ground`) reduced to width × height.
TBitmap24 ReducePicture(const TPicture& picture, int width, int height, TColor ground);
TBitmap24 ReducePicture(const TIndexedPicture& picture, int width, int height, TColor ground);

// Source colour `bgra` blended by its alpha over `ground` (blue, green, red).
inline void BlendOver(const std::uint8_t* bgra, const std::uint8_t* ground, std::uint8_t* bgr) {
    const unsigned a = bgra[3];
    for (int c = 0; c < 3; ++c) bgr[c] = std::uint8_t((bgra[c] * a + ground[c] * (255 - a) + 127) / 255);
}
