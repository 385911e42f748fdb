#include "base/PictureFit.h"

#include <algorithm>
#include <cstdint>

TControlPlace FitPictureRect(int pictureWidth, int pictureHeight, int boxWidth, int boxHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || boxWidth <= 0 || boxHeight <= 0) return {};
    int w = pictureWidth, h = pictureHeight;
    if (w > boxWidth || h > boxHeight) {
        // Scale by the tighter side; the other side is rounded to the nearest pixel.
        if (std::int64_t(boxWidth) * h <= std::int64_t(boxHeight) * w) {
            w = boxWidth;
            h = int((std::int64_t(pictureHeight) * boxWidth * 2 + pictureWidth) / (2 * std::int64_t(pictureWidth)));
        } else {
            h = boxHeight;
            w = int((std::int64_t(pictureWidth) * boxHeight * 2 + pictureHeight) / (2 * std::int64_t(pictureHeight)));
        }
        w = std::max(1, w);
        h = std::max(1, h);
    }
    const int left = (boxWidth - w) / 2, top = (boxHeight - h) / 2;
    return {left, top, w, h};
}
