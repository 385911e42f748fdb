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
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    int rc = inflate(&z, Z_FINISH);
    std::size_t produced = z.total_out, consumed = z.total_in;
    inflateEnd(&z);
    if (rc != Z_STREAM_END || produced != rawSize)
        throw TDataError(record, consumed, "the compressed data is damaged or of the wrong size");
    return out;
}
