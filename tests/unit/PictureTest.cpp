#include <gtest/gtest.h>

#include <cstdio>
#include <vector>


#include "base/DataError.h"
#include "base/Picture.h"
#include "base/PictureEncoding.h"

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
    return ::EncodePng(w, h, pixels, TPixelOrder::Bgra);
}

// A w x h JPEG of one grey level.
std::vector<std::uint8_t> EncodeJpeg(int w, int h, std::uint8_t grey) {
    return ::EncodeJpeg(w, h, std::vector<std::uint8_t>(std::size_t(w) * h * 3, grey), TPixelOrder::Rgb, 95);
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
