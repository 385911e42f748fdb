#pragma once
// A finished picture: 8-bit R, G, B, A per pixel, top row first.
#include <cstdint>
#include <vector>

namespace pictures {

struct TRgbaImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;

    TRgbaImage() = default;
    TRgbaImage(int w, int h) : width(w), height(h), rgba(std::size_t(w) * h * 4, 0) {}
    std::uint8_t* At(int x, int y) { return rgba.data() + (std::size_t(y) * width + x) * 4; }
    const std::uint8_t* At(int x, int y) const { return rgba.data() + (std::size_t(y) * width + x) * 4; }
    // Copies `src` with its top-left corner at (x, y), pixels replaced.
    void Paste(const TRgbaImage& src, int x, int y);
};

} // namespace pictures
