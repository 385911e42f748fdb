#pragma once
// Encoded files of the finished pictures.
#include <cstdint>
#include <vector>

#include "RgbaImage.h"
#include "base/PictureEncoding.h"

namespace pictures {

using TBytes = std::vector<std::uint8_t>;

// PNG, 8 bits per channel; with alpha (RGBA) or without (RGB).
TBytes EncodePng(const TRgbaImage& image, bool withAlpha);
// Baseline JPEG of the opaque colours.
TBytes EncodeJpeg(const TRgbaImage& image, int quality, TJpegChroma chroma);
// Windows bitmap file, 24 bits per pixel, bottom-up.
TBytes EncodeBmp(const TRgbaImage& image);
// Windows cursor file with one 32-bit image and its AND mask.
TBytes EncodeCursor(const TRgbaImage& image, int hotX, int hotY);

} // namespace pictures
