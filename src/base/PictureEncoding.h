#pragma once
// Encoding pictures, for the data tools that draw the resources and for the
// tests that need pictures to decode. Pixels are rows top first, without
// padding, in the byte order named.
#include <cstdint>
#include <span>
#include <vector>

enum class TPixelOrder : std::uint8_t { Rgb, Rgba, Bgr, Bgra };

// An 8-bit PNG, RGB or (when the pixels carry alpha) RGBA, zlib level 6,
// not interlaced. Raises std::runtime_error when libpng refuses.
std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order);
// Drops the alpha of RGBA/BGRA pixels: an RGB PNG of them.
std::vector<std::uint8_t> EncodeOpaquePng(int width, int height, std::span<const std::uint8_t> pixels,
                                          TPixelOrder order);
// A baseline JPEG at `quality` (1-100) without chroma subsampling.
std::vector<std::uint8_t> EncodeJpeg(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                                     int quality);
