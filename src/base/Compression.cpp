#include "base/Compression.h"

#include <zlib.h>

#include "base/DataError.h"

std::vector<std::uint8_t> DeflateBytes(std::span<const std::uint8_t> raw, int level) {
    uLongf size = compressBound(uLong(raw.size()));
    std::vector<std::uint8_t> out(size);
    if (compress2(out.data(), &size, raw.data(), uLong(raw.size()), level) != Z_OK)
        throw TDataError("zlib stream", 0, "compression failed");
    out.resize(size);
    return out;
}

std::vector<std::uint8_t> InflateBytes(std::span<const std::uint8_t> stream, std::size_t rawSize,
                                       const char* record) {
    std::vector<std::uint8_t> out(rawSize);
    z_stream z{};
    if (inflateInit(&z) != Z_OK) throw TDataError(record, 0, "cannot start inflating");
    z.next_in = const_cast<Bytef*>(stream.data());
    z.avail_in = uInt(stream.size());
    // zlib refuses a null output buffer, which an empty vector has.
    std::uint8_t none = 0;
    z.next_out = out.empty() ? &none : out.data();
    z.avail_out = uInt(out.size());
    int rc = inflate(&z, Z_FINISH);
    std::size_t produced = z.total_out, consumed = z.total_in;
    inflateEnd(&z);
    if (rc != Z_STREAM_END || produced != rawSize)
        throw TDataError(record, consumed, "the compressed data is damaged or of the wrong size");
    return out;
}

std::vector<std::uint8_t> ToBytePlanes(std::span<const std::uint8_t> items, std::size_t itemSize) {
    const std::size_t count = items.size() / itemSize;
    std::vector<std::uint8_t> planes(count * itemSize);
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t b = 0; b < itemSize; ++b) planes[b * count + i] = items[i * itemSize + b];
    return planes;
}

void FromBytePlanes(std::span<const std::uint8_t> planes, std::size_t itemSize, std::uint8_t* out) {
    const std::size_t count = planes.size() / itemSize;
    for (std::size_t b = 0; b < itemSize; ++b) {
        const std::uint8_t* plane = planes.data() + b * count;
        for (std::size_t i = 0; i < count; ++i) out[i * itemSize + b] = plane[i];
    }
}
