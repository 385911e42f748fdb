#pragma once
// Bytes of the running executable's image read from its file instead of its
// mapping. A resource read through the mapping stays in the process's
// working set for the rest of the run, and with it the pages the system
// mapped around it (under Wine on Linux, whole page-cache folios of up to a
// megabyte: reading the juz and sura names of a few pages kept 2.2 MB of
// the image resident); the same bytes read from the file into a buffer
// freed after use leave nothing behind but the system's file cache.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A copy of the `size` bytes at `data` in the executable's image, read from
// the executable's file; nothing when they do not lie within the file data
// of one of its sections, or the file cannot be read.
std::optional<std::vector<std::uint8_t>> ReadImageFileBytes(const void* data, std::size_t size);
