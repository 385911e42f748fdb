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

// A PNG of a palette held as one byte a pixel, each distinct row once: the
// window's own pictures, drawn large and shown a few rows or a reduction at a
// time. The page-number strip takes 2.5 MB so (28 MB as a TPicture), the
// frame 1.2 MB (22 MB), since most of their rows repeat.
class TIndexedPicture {
public:
    // A PNG that is not of a palette, or cannot be decoded, raises TDataError.
    static std::unique_ptr<TIndexedPicture> LoadPng(std::span<const std::uint8_t> bytes);
    // Rows [firstRow, firstRow + rowCount) as a PNG-kind picture; rows
    // outside the picture raise TDataError.
    std::unique_ptr<TPicture> Rows(int firstRow, int rowCount) const;

    // The palette indices of row y (0 <= y < Height), Width of them.
    const std::uint8_t* IndexRow(int y) const { return FDistinctRows.data() + FRowAt[std::size_t(y)]; }
    // B G R A of a palette index; an index past the palette is transparent black.
    const std::uint8_t* Colour(std::uint8_t index) const { return FColours.data() + std::size_t(index) * 4; }

    int Width = 0;
    int Height = 0;

private:
    std::vector<std::uint8_t> FDistinctRows;  // Width indices each
    std::vector<std::uint32_t> FRowAt;        // each row's start in FDistinctRows
    std::array<std::uint8_t, 256 * 4> FColours{};
};
