#include "render/Bitmap24.h"

#include <algorithm>
#include <cstring>

void TBitmap24::Resize(int width, int height) {
    FWidth = std::max(width, 0);
    FHeight = std::max(height, 0);
    FStride = (std::size_t(FWidth) * 3 + 3) & ~std::size_t(3);
    FBytes.resize(FStride * std::size_t(FHeight));
}

void TBitmap24::Fill(TColor color) {
    if (FHeight == 0) return;
    if ((color & 0xFFFFFF) == 0xFFFFFF || (color & 0xFFFFFF) == 0) {
        std::memset(FBytes.data(), color ? 0xFF : 0, FBytes.size());
        return;
    }
    FillRowSpan(Row(0), 0, FWidth, color);
    for (int y = 1; y < FHeight; ++y) std::memcpy(Row(y), Row(0), std::size_t(FWidth) * 3);
}

TColor TBitmap24::Pixel(int x, int y) const {
    const std::uint8_t* p = Row(y) + std::size_t(x) * 3;
    return TColor(p[2]) | TColor(p[1]) << 8 | TColor(p[0]) << 16;
}

void CopyBitmap(const TBitmap24& source, TBitmap24& target, int x, int y) {
    const int x0 = std::max(x, 0), x1 = std::min(x + source.Width(), target.Width());
    const int y0 = std::max(y, 0), y1 = std::min(y + source.Height(), target.Height());
    if (x0 >= x1) return;
    for (int ty = y0; ty < y1; ++ty)
        std::memcpy(target.Row(ty) + std::size_t(x0) * 3,
                    source.Row(ty - y) + std::size_t(x0 - x) * 3, std::size_t(x1 - x0) * 3);
}

void FillRowSpan(std::uint8_t* row, int x0, int x1, TColor color) {
    const std::uint8_t b = std::uint8_t(color >> 16), g = std::uint8_t(color >> 8),
                       r = std::uint8_t(color);
    std::uint8_t* p = row + std::size_t(x0) * 3;
    if (b == g && g == r) {
        std::memset(p, b, std::size_t(x1 - x0) * 3);
        return;
    }
    for (int x = x0; x < x1; ++x, p += 3) {
        p[0] = b;
        p[1] = g;
        p[2] = r;
    }
}
