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

    int Width = 0;
    int Height = 0;
    TKind Kind = TKind::Jpeg;
    std::vector<std::uint8_t> Pixels;  // Width * Height * 4 bytes, B G R A
};
