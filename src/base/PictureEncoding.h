#pragma once
// Encoding pictures, for the data tools that draw the resources and for the
// tests that need pictures to decode. Pixels are rows top first, without
// padding, in the byte order named.
#include <cstdint>
#include <span>
#include <vector>

enum class TPixelOrder : std::uint8_t { Rgb, Rgba, Bgr, Bgra };

// A PNG, RGB or (when the pixels carry alpha) RGBA, zlib level 9, not
// interlaced. A picture of at most 256 colours is written with a palette
// (and its transparency), which keeps every pixel and is a third of the size
// for drawn art. Raises std::runtime_error when libpng refuses.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order);
// Drops the alpha of RGBA/BGRA pixels: an RGB PNG of them.
std::vector<std::uint8_t> EncodeOpaquePng(int width, int height, std::span<const std::uint8_t> pixels,
                                          TPixelOrder order);
// Colour at the picture's resolution, or at half of it across and down (4:2:0).
enum class TJpegChroma : std::uint8_t { Full, Half };
// A baseline JPEG at `quality` (1-100).
std::vector<std::uint8_t> EncodeJpeg(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                                     int quality, TJpegChroma chroma = TJpegChroma::Full);
