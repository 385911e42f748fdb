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
