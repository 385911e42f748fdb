#pragma once
// zlib streams for resources that travel compressed inside the executable.
#include <cstdint>
#include <span>
#include <vector>

std::vector<std::uint8_t> DeflateBytes(std::span<const std::uint8_t> raw, int level = 9);
// Inflates a zlib stream that must give exactly `rawSize` bytes; anything else
// (a damaged stream, a wrong size) raises TDataError naming `record`.
std::vector<std::uint8_t> InflateBytes(std::span<const std::uint8_t> stream, std::size_t rawSize,
                                       const char* record);

// Items of `itemSize` bytes stored byte plane by byte plane: byte 0 of every
// item, then byte 1, and so on. Numbers of a kind (floats, counts) then line
// up their similar high bytes, which deflate finds far better.
std::vector<std::uint8_t> ToBytePlanes(std::span<const std::uint8_t> items, std::size_t itemSize);
// The inverse: `planes` (a whole number of items) back into items at `out`.
void FromBytePlanes(std::span<const std::uint8_t> planes, std::size_t itemSize, std::uint8_t* out);
