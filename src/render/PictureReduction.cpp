#include "render/PictureReduction.h"

#include <algorithm>

#include "base/Picture.h"

std::vector<int> NearestSources(int source, int target) {
    const int sub = 3 * target;
    std::vector<int> at(std::size_t(sub > 0 ? sub : 0));
    for (int i = 0; i < sub; ++i) at[std::size_t(i)] = int((2 * std::int64_t(i) + 1) * source / (2 * std::int64_t(sub)));
    return at;
}

TPixelRect ReductionAreaOf(int sourceWidth, int sourceHeight, int width, int height, const TPixelRect& source) {
    // The sub-pixels [first, last) reading a source line in [from, to): the
    // sources ascend, so they are one run.
    auto span = [](const std::vector<int>& at, int from, int to) {
        const auto first = std::lower_bound(at.begin(), at.end(), from);
        const auto last = std::lower_bound(first, at.end(), to);
        if (first == last) return std::pair{0, 0};
        return std::pair{int(first - at.begin()) / 3, int(last - at.begin() - 1) / 3 + 1};
    };
    const auto [x0, x1] = span(NearestSources(sourceWidth, width), source.Left, source.Right);
    const auto [y0, y1] = span(NearestSources(sourceHeight, height), source.Top, source.Bottom);
    if (x0 == x1 || y0 == y1) return {};
    return {x0, y0, x1, y1};
}

void ReduceBitmap(const TBitmap24& source, TBitmap24& target) {
    ReduceArea(source.Width(), source.Height(), target, {0, 0, target.Width(), target.Height()},
               [&](int x, int y, std::uint8_t* bgr) {
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
    const std::uint8_t back[3] = {std::uint8_t(ground >> 16), std::uint8_t(ground >> 8), std::uint8_t(ground)};
    ReduceArea(w, h, target, {0, 0, width, height}, [&](int x, int y, std::uint8_t* bgr) {
        BlendOver(picture.Pixels.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 4, back, bgr);
    });
    return target;
}

TBitmap24 ReducePicture(const TIndexedPicture& picture, int width, int height, TColor ground) {
    TBitmap24 target(width, height);
    const std::uint8_t back[3] = {std::uint8_t(ground >> 16), std::uint8_t(ground >> 8), std::uint8_t(ground)};
    ReduceArea(picture.Width, picture.Height, target, {0, 0, width, height}, [&](int x, int y, std::uint8_t* bgr) {
        BlendOver(picture.Pixel(x, y), back, bgr);
    });
    return target;
}
