#pragma once
// A decoded JPEG or PNG picture held as 32-bit BGRA pixels, top row first.
// JPEG pictures are opaque (alpha 255 everywhere); PNG pictures keep their
// alpha, which drawing uses to blend them over the page.
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

// A PNG of a palette held as one byte a pixel, a quarter of a TPicture, for
// a tall picture of which a few rows are shown at a time (the page-number
// strip: 7 MB so, 28 MB as a TPicture).
class TIndexedPicture {
public:
    // A PNG that is not of a palette, or cannot be decoded, raises TDataError.
    static std::unique_ptr<TIndexedPicture> LoadPng(std::span<const std::uint8_t> bytes);
    // Rows [firstRow, firstRow + rowCount) as a PNG-kind picture; rows
    // outside the picture raise TDataError.
    std::unique_ptr<TPicture> Rows(int firstRow, int rowCount) const;

    int Width = 0;
    int Height = 0;

private:
    std::vector<std::uint8_t> FIndices;  // Width * Height
    std::vector<std::uint8_t> FColours;  // B G R A of each index
};
