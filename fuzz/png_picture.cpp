// PNG pictures through the core's decoder: a picture decoded is whole, and
// one of a palette read as indices agrees with it.
#include <algorithm>
#include <vector>

#include <zlib.h>

#include "base/DataError.h"
#include "base/Picture.h"
#include "support/FuzzSupport.h"

namespace {

std::uint32_t BigEndian(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// Gives every whole chunk after the 8-byte signature (length, type, data,
// CRC of type and data) its right CRC, so that a mutation reaches the
// decoder instead of failing its checksum.
void MendChunkChecksums(std::vector<std::uint8_t>& png) {
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = BigEndian(&png[at]);
        if (length > png.size() - at - 12) break;
        const std::uint32_t crc = std::uint32_t(crc32(0, &png[at + 4], uInt(length + 4)));
        for (int i = 0; i < 4; ++i) png[at + 8 + length + i] = std::uint8_t(crc >> (24 - 8 * i));
        at += 12 + length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> png(data, data + size);
    MendChunkChecksums(png);
    std::unique_ptr<TPicture> picture;
    try {
        picture = TPicture::LoadPng(png);
    } catch (const TDataError&) {
        return 0;
    }
    FUZZ_REQUIRE(picture->Width > 0 && picture->Height > 0);
    FUZZ_REQUIRE(picture->Pixels.size() == std::size_t(picture->Width) * std::size_t(picture->Height) * 4);
    // A picture of a palette read as indices gives the same rows.
    const int first = picture->Height / 3, count = std::max(1, picture->Height / 3);
    try {
        const auto rows = TIndexedPicture::LoadPng(png)->Rows(first, count);
        const std::size_t rowBytes = std::size_t(picture->Width) * 4;
        FUZZ_REQUIRE(rows->Width == picture->Width && rows->Height == count);
        FUZZ_REQUIRE(std::equal(rows->Pixels.begin(), rows->Pixels.end(),
                                picture->Pixels.begin() + std::ptrdiff_t(std::size_t(first) * rowBytes)));
    } catch (const TDataError&) {
    }
    return 0;
}
