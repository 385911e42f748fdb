#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <png.h>

#include "base/DataError.h"
#include "base/Picture.h"

namespace {
// A w x h PNG whose pixel i is B G R A = i, 2i, 3i, 255 - i.
std::vector<std::uint8_t> EncodePng(int w, int h) {
    std::vector<std::uint8_t> pixels(std::size_t(w) * h * 4);
    for (int i = 0; i < w * h; ++i) {
        pixels[4 * i + 0] = std::uint8_t(i);
        pixels[4 * i + 1] = std::uint8_t(2 * i);
        pixels[4 * i + 2] = std::uint8_t(3 * i);
        pixels[4 * i + 3] = std::uint8_t(255 - i);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(w);
    image.height = png_uint_32(h);
    image.format = PNG_FORMAT_BGRA;
    png_alloc_size_t size = 0;
    EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr));
    std::vector<std::uint8_t> out(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, out.data(), &size, 0, pixels.data(), 0, nullptr));
    out.resize(size);
    return out;
}

// A w x h JPEG of one grey level.
std::vector<std::uint8_t> EncodeJpeg(int w, int h, std::uint8_t grey) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(w);
    info.image_height = JDIMENSION(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<std::uint8_t> row(std::size_t(w) * 3, grey);
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}
}  // namespace

TEST(Picture, PngKeepsColoursAndAlpha) {
    auto bytes = EncodePng(3, 2);
    auto picture = TPicture::LoadPng(bytes);
    ASSERT_EQ(picture->Width, 3);
    ASSERT_EQ(picture->Height, 2);
    EXPECT_EQ(picture->Kind, TPicture::TKind::Png);
    const std::uint8_t* p = picture->Pixels.data() + 4 * 4;  // pixel 4
    EXPECT_EQ(p[0], 4);
    EXPECT_EQ(p[1], 8);
    EXPECT_EQ(p[2], 12);
    EXPECT_EQ(p[3], 251);
}

TEST(Picture, JpegIsOpaque) {
    auto bytes = EncodeJpeg(16, 8, 100);
    auto picture = TPicture::LoadJpeg(bytes);
    ASSERT_EQ(picture->Width, 16);
    ASSERT_EQ(picture->Height, 8);
    EXPECT_EQ(picture->Kind, TPicture::TKind::Jpeg);
    for (std::size_t i = 0; i < picture->Pixels.size(); i += 4) {
        EXPECT_NEAR(picture->Pixels[i], 100, 2);
        EXPECT_EQ(picture->Pixels[i + 3], 255);
    }
}

TEST(Picture, UndecodableDataRaisesDataError) {
    auto png = EncodePng(4, 4);
    auto jpeg = EncodeJpeg(8, 8, 0);
    const std::vector<std::uint8_t> garbage = {1, 2, 3, 4, 5, 6, 7, 8};
    const std::vector<std::uint8_t> truncatedPng(png.begin(), png.begin() + 40);
    const std::vector<std::uint8_t> truncatedJpeg(jpeg.begin(), jpeg.begin() + 20);
    EXPECT_THROW(TPicture::LoadPng(garbage), TDataError);
    EXPECT_THROW(TPicture::LoadPng(truncatedPng), TDataError);
    EXPECT_THROW(TPicture::LoadPng({}), TDataError);
    EXPECT_THROW(TPicture::LoadJpeg(garbage), TDataError);
    EXPECT_THROW(TPicture::LoadJpeg(truncatedJpeg), TDataError);
    EXPECT_THROW(TPicture::LoadJpeg({}), TDataError);
    EXPECT_THROW(TPicture::LoadJpeg(png), TDataError);
}
