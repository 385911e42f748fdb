#pragma once
// The form in which page data travels inside the executable. Page data is
// mostly glyph segments: 28-byte records of six floats and a kind. Stored as
// is, floats compress poorly; stored byte plane by byte plane (byte 0 of every
// segment, then byte 1, …) their exponents and high bytes line up and deflate
// to about a third. A packed page is:
//
//   "TZP1"  u32 raw size  u32 segment count  u32 size of A  u32 size of B
//   A: deflated page data with every segment block cut out
//   B: deflated byte planes of all segments, in page order
//
// Unpacking gives back the page data byte for byte.
#include <cstdint>
#include <span>
#include <vector>

inline constexpr char PackedPageMagic[4] = {'T', 'Z', 'P', '1'};

bool IsPackedPage(std::span<const std::uint8_t> bytes);
// Raises TDataError when `raw` is not well-formed page data.
std::vector<std::uint8_t> PackPage(std::span<const std::uint8_t> raw);
// Raises TDataError naming "packed page" and the offset where it broke.
std::vector<std::uint8_t> UnpackPage(std::span<const std::uint8_t> packed);

// Other resources that compress well (the aya store, fonts) travel as
// "TZR1", u32 raw size, then one zlib stream.
inline constexpr char PackedResourceMagic[4] = {'T', 'Z', 'R', '1'};
std::vector<std::uint8_t> PackResource(std::span<const std::uint8_t> raw);
// True for a packed page or a packed resource.
bool IsPacked(std::span<const std::uint8_t> stored);

// The bytes of a resource as the build produced them: packed pages and
// packed resources are unpacked, anything else is returned as it is.
std::vector<std::uint8_t> UnpackResource(std::span<const std::uint8_t> stored);
