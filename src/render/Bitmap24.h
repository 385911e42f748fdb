#pragma once
// A 24-bit bitmap: three bytes per pixel in the order blue, green, red, top
// row first, each row padded to a multiple of four bytes like a Windows DIB so
// the shell can blit the rows as they are.
#include <cstddef>
#include <cstdint>
#include <vector>

// Colours are 0x00BBGGRR throughout the system.
using TColor = std::uint32_t;

class TBitmap24 {
public:
    TBitmap24() = default;
    TBitmap24(int width, int height) { Resize(width, height); }

    // Sizes below zero count as zero; the contents are undefined afterwards.
    void Resize(int width, int height);
    void Fill(TColor color);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    std::size_t Stride() const { return FStride; }
    std::uint8_t* Row(int y) { return FBytes.data() + std::size_t(y) * FStride; }
    const std::uint8_t* Row(int y) const { return FBytes.data() + std::size_t(y) * FStride; }
    // The pixel as 0x00BBGGRR; for tests and hit tests against white.
    TColor Pixel(int x, int y) const;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::size_t FStride = 0;
    std::vector<std::uint8_t> FBytes;
};

// Copies `source` onto `target` with its top-left corner at (x, y), clipped to
// the target.
void CopyBitmap(const TBitmap24& source, TBitmap24& target, int x, int y);

// Fills pixels [x0, x1) of one row with a colour; the caller has clipped.
void FillRowSpan(std::uint8_t* row, int x0, int x1, TColor color);
