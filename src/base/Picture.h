#pragma once
// A decoded JPEG or PNG picture held as 32-bit BGRA pixels, top row first.
// JPEG pictures are opaque (alpha 255 everywhere); PNG pictures keep their
// alpha, which drawing uses to blend them over the page.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

// The most scans a progressive JPEG may have: encoders write about ten, and
// each scan costs a pass over the whole picture.
inline constexpr int MaxJpegScans = 100;

class TPicture {
public:
    enum class TKind : std::uint8_t { Jpeg, Png };

    // Decode from memory; a picture that cannot be decoded raises TDataError,
    // as does a JPEG of more than MaxJpegScans scans.
    static std::unique_ptr<TPicture> LoadJpeg(std::span<const std::uint8_t> bytes);
    static std::unique_ptr<TPicture> LoadPng(std::span<const std::uint8_t> bytes);
    // A Windows bitmap file of 24 or 32 bits a pixel, uncompressed, rows
    // bottom-up or top-down; opaque. Anything else raises TDataError.
    static std::unique_ptr<TPicture> LoadBmp(std::span<const std::uint8_t> bytes);

    int Width = 0;
    int Height = 0;
    TKind Kind = TKind::Jpeg;
    std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes, B G R A
};

// A PNG of a palette held as its indices, each distinct row once, at the
// fewest bits an index that the palette needs (8, 4, 2 or 1): the window's
// own pictures, drawn large and shown a few rows or a reduction at a time.
// The page-number strip takes 1.3 MB so (28 MB as a TPicture), the frame
// 1.2 MB (22 MB), since most of their rows repeat.
class TIndexedPicture {
public:
    // A PNG that is not of a palette, or cannot be decoded, raises TDataError.
    static std::unique_ptr<TIndexedPicture> LoadPng(std::span<const std::uint8_t> bytes);
    // Rows [firstRow, firstRow + rowCount) as a PNG-kind picture; rows
    // outside the picture raise TDataError.
    std::unique_ptr<TPicture> Rows(int firstRow, int rowCount) const;

    // B G R A of pixel (x, y), 0 <= x < Width, 0 <= y < Height.
    const std::uint8_t* Pixel(int x, int y) const { return Colour(Index(x, y)); }
    // Its palette index.
    std::uint8_t Index(int x, int y) const {
        const std::uint8_t* row = FDistinctRows.data() + FRowAt[std::size_t(y)];
        if (FBits == 8) return row[x];
        const unsigned bit = unsigned(x) * FBits;  // first pixel in the high bits, as in PNG
        return std::uint8_t(row[bit / 8] >> (8 - FBits - bit % 8) & ((1u << FBits) - 1));
    }
    // B G R A of a palette index; an index past the palette is transparent black.
    const std::uint8_t* Colour(std::uint8_t index) const { return FColours.data() + std::size_t(index) * 4; }

    int Width = 0;
    int Height = 0;

private:
    unsigned FBits = 8;
    std::vector<std::uint8_t> FDistinctRows;  // packed rows
    std::vector<std::uint32_t> FRowAt;        // each row's start in FDistinctRows
    std::array<std::uint8_t, 256 * 4> FColours{};
};
