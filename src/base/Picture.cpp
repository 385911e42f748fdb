#include "base/Picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include <jpeglib.h>
#include <png.h>

#include "base/ByteReader.h"
#include "base/DataError.h"

namespace {
// Pictures larger than this are refused before anything is allocated for
// them: the largest shipped one is the page-number strip, 98 x 72480 (7.1
// million pixels), so a picture beyond 2^23 pixels (32 MB decoded) is
// damaged data.
constexpr std::size_t MaxPicturePixels = std::size_t(1) << 23;

void CheckSize(const char* record, std::size_t width, std::size_t height) {
    if (width == 0 || height == 0 || width > MaxPicturePixels / height)
        throw TDataError(record, 0,
                         "picture size " + std::to_string(width) + " x " + std::to_string(height) +
                             " is empty or too large");
}

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// libjpeg must not return from its error handler; jump back to the decoder,
// which turns the message into a TDataError once libjpeg is out of the way.
void JpegErrorExit(j_common_ptr info) {
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    info->err->format_message(info, error->Message);
    std::longjmp(error->Jump, 1);
}

// Trace messages are dropped. A warning means damaged data (libjpeg warns,
// for one, when the data ends early and then shows the missing rows grey):
// it fails the decoding like an error.
void JpegMessage(j_common_ptr info, int level) {
    if (level < 0) JpegErrorExit(info);
}

// Called by libjpeg as it reads the data: a progressive picture of more
// scans than any encoder writes (ten is usual) is refused, since every scan
// makes libjpeg go over the whole coefficient buffer again.
void JpegProgress(j_common_ptr info) {
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number <= MaxJpegScans) return;
    auto* error = reinterpret_cast<TJpegError*>(info->err);
    std::snprintf(error->Message, sizeof error->Message, "more than %d scans", MaxJpegScans);
    std::longjmp(error->Jump, 1);
}

// Returns an empty string on success, otherwise libjpeg's message.
std::string DecodeJpeg(std::span<const std::uint8_t> bytes, TPicture& picture) {
    jpeg_decompress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = JpegErrorExit;
    error.Manager.emit_message = JpegMessage;
    if (setjmp(error.Jump)) {
        jpeg_destroy_decompress(&info);
        return error.Message[0] ? std::string(error.Message) : std::string("undecodable JPEG");
    }
    jpeg_create_decompress(&info);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = JpegProgress;
    info.progress = &progress;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // The declared size is checked before decompression starts: a progressive
    // picture allocates its whole coefficient buffer there and reads every scan.
    const JDIMENSION width = info.image_width, height = info.image_height;
    if (width == 0 || height == 0 || width > MaxPicturePixels / height) {
        jpeg_destroy_decompress(&info);
        return "picture size " + std::to_string(width) + " x " + std::to_string(height) + " is empty or too large";
    }
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    picture.Width = int(info.output_width);
    picture.Height = int(info.output_height);
    picture.Pixels.resize(std::size_t(picture.Width) * std::size_t(picture.Height) * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = picture.Pixels.data() + std::size_t(info.output_scanline) * picture.Width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return {};
}
}  // namespace

std::unique_ptr<TPicture> TPicture::LoadJpeg(std::span<const std::uint8_t> bytes) {
    auto picture = std::make_unique<TPicture>();
    picture->Kind = TKind::Jpeg;
    if (bytes.empty()) throw TDataError("JPEG picture", 0, "no data");
    const std::string problem = DecodeJpeg(bytes, *picture);
    if (!problem.empty()) throw TDataError("JPEG picture", 0, problem);
    return picture;
}

std::unique_ptr<TPicture> TPicture::LoadBmp(std::span<const std::uint8_t> bytes) {
    TByteReader r(bytes);
    r.SetRecord("BMP picture");
    if (r.ReadU8() != 'B' || r.ReadU8() != 'M') throw TDataError("BMP picture", 0, "not a bitmap file");
    r.Skip(8);
    const std::uint32_t pixelsAt = r.ReadU32();
    const std::uint32_t headerSize = r.ReadU32();
    const std::int32_t width = r.ReadI32(), signedHeight = r.ReadI32();
    const std::uint32_t planesAndBits = r.ReadU32();
    const int bits = int(planesAndBits >> 16);
    const std::uint32_t compression = r.ReadU32();
    if (headerSize < 40 || width <= 0 || signedHeight == 0 || signedHeight == INT32_MIN || (bits != 24 && bits != 32) ||
        compression != 0)
        throw TDataError("BMP picture", 0, "not an uncompressed bitmap of 24 or 32 bits a pixel");
    const std::size_t height = std::size_t(signedHeight < 0 ? -std::int64_t(signedHeight) : signedHeight);
    CheckSize("BMP picture", std::size_t(width), height);
    const std::size_t stride = (std::size_t(width) * std::size_t(bits) / 8 + 3) & ~std::size_t(3);
    if (pixelsAt > bytes.size() || (bytes.size() - pixelsAt) / stride < height)
        throw TDataError("BMP picture", 0, "the pixels end early");
    auto picture = std::make_unique<TPicture>();
    picture->Kind = TKind::Jpeg;  // opaque, drawn without blending
    picture->Width = width;
    picture->Height = int(height);
    picture->Pixels.resize(std::size_t(width) * height * 4);
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t fileRow = signedHeight < 0 ? y : height - 1 - y;
        const std::uint8_t* src = bytes.data() + pixelsAt + fileRow * stride;
        std::uint8_t* dst = picture->Pixels.data() + y * std::size_t(width) * 4;
        for (std::int32_t x = 0; x < width; ++x, src += bits / 8, dst += 4) dst[0] = src[0], dst[1] = src[1], dst[2] = src[2], dst[3] = 255;
    }
    return picture;
}

std::unique_ptr<TIndexedPicture> TIndexedPicture::LoadPng(std::span<const std::uint8_t> bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw TDataError("PNG picture", 0, image.message);
    auto picture = std::make_unique<TIndexedPicture>();
    std::vector<std::uint8_t> indices;  // the whole picture, only while it is read
    try {
        CheckSize("PNG picture", image.width, image.height);
        if (!(image.format & PNG_FORMAT_FLAG_COLORMAP)) throw TDataError("PNG picture", 0, "not a picture of a palette");
        image.format = PNG_FORMAT_BGRA_COLORMAP;
        picture->Width = int(image.width);
        picture->Height = int(image.height);
        indices.resize(PNG_IMAGE_SIZE(image));
    } catch (...) {
        png_image_free(&image);
        throw;
    }
    static_assert(PNG_IMAGE_MAXIMUM_COLORMAP_COMPONENTS(PNG_FORMAT_BGRA_COLORMAP) <= 256 * 4);
    if (!png_image_finish_read(&image, nullptr, indices.data(), 0, picture->FColours.data())) {
        const std::string problem = image.message;
        png_image_free(&image);
        throw TDataError("PNG picture", 0, problem);
    }
    // Each distinct row once, in the order first met, packed at the fewest
    // bits that hold every index used.
    const std::uint8_t highest = indices.empty() ? 0 : *std::max_element(indices.begin(), indices.end());
    picture->FBits = highest < 2 ? 1 : highest < 4 ? 2 : highest < 16 ? 4 : 8;
    const std::size_t w = std::size_t(picture->Width), rowBytes = (w * picture->FBits + 7) / 8;
    // Rows already met, by the hash of their indices: an open table of the
    // first row of each (plus one; 0 is free) in one block, since the
    // Windows heap keeps the small blocks of a node-based map once freed.
    std::size_t slots = 2;
    while (slots < 2 * std::size_t(picture->Height)) slots *= 2;
    std::vector<std::uint32_t> firstRows(slots, 0);
    picture->FRowAt.reserve(std::size_t(picture->Height));
    for (std::size_t y = 0; y < std::size_t(picture->Height); ++y) {
        const std::uint8_t* row = indices.data() + y * w;
        std::size_t slot = std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(row), w));
        for (slot &= slots - 1; firstRows[slot]; slot = (slot + 1) & (slots - 1))
            if (std::memcmp(indices.data() + (firstRows[slot] - 1) * w, row, w) == 0) break;
        if (firstRows[slot]) {
            picture->FRowAt.push_back(picture->FRowAt[firstRows[slot] - 1]);
            continue;
        }
        firstRows[slot] = std::uint32_t(y + 1);
        std::vector<std::uint8_t>& rows = picture->FDistinctRows;
        const std::size_t start = rows.size();
        rows.resize(start + rowBytes);
        for (std::size_t x = 0; x < w; ++x) {
            const std::size_t bit = x * picture->FBits;
            rows[start + bit / 8] |= std::uint8_t(row[x] << (8 - picture->FBits - bit % 8));
        }
        picture->FRowAt.push_back(std::uint32_t(start));
    }
    picture->FDistinctRows.shrink_to_fit();
    return picture;
}

std::unique_ptr<TPicture> TIndexedPicture::Rows(int firstRow, int rowCount) const {
    if (firstRow < 0 || rowCount <= 0 || firstRow > Height - rowCount)
        throw TDataError("PNG picture", 0, "the rows are not in the picture");
    auto rows = std::make_unique<TPicture>();
    rows->Kind = TPicture::TKind::Png;
    rows->Width = Width;
    rows->Height = rowCount;
    rows->Pixels.resize(std::size_t(Width) * std::size_t(rowCount) * 4);
    std::uint8_t* out = rows->Pixels.data();
    for (int y = firstRow; y < firstRow + rowCount; ++y)
        for (int x = 0; x < Width; ++x, out += 4) std::copy_n(Pixel(x, y), 4, out);
    return rows;
}

std::unique_ptr<TPicture> TPicture::LoadPng(std::span<const std::uint8_t> bytes) {
    auto picture = std::make_unique<TPicture>();
    picture->Kind = TKind::Png;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw TDataError("PNG picture", 0, image.message);
    try {
        CheckSize("PNG picture", image.width, image.height);
    } catch (...) {
        png_image_free(&image);
        throw;
    }
    image.format = PNG_FORMAT_BGRA;
    picture->Width = int(image.width);
    picture->Height = int(image.height);
    picture->Pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture->Pixels.data(), 0, nullptr)) {
        const std::string problem = image.message;
        png_image_free(&image);
        throw TDataError("PNG picture", 0, problem);
    }
    return picture;
}
