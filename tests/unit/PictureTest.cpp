#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <jpeglib.h>

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

namespace {
// The JPEG with the size its frame header (SOF0) declares replaced: the data
// that follows still holds the small picture it was.
std::vector<std::uint8_t> DeclaringSize(std::vector<std::uint8_t> jpeg, int width, int height) {
    for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = std::uint8_t(height >> 8);
            jpeg[i + 6] = std::uint8_t(height);
            jpeg[i + 7] = std::uint8_t(width >> 8);
            jpeg[i + 8] = std::uint8_t(width);
            return jpeg;
        }
    }
    ADD_FAILURE() << "no frame header";
    return jpeg;
}
}  // namespace

TEST(Picture, JpegDeclaringAHugeSizeIsRefusedBeforeDecoding) {
    const auto jpeg = EncodeJpeg(16, 16, 90);
    ASSERT_NO_THROW(TPicture::LoadJpeg(DeclaringSize(jpeg, 16, 16)));
    // 8192 x 8192 would take 256 MB to decode, 65000 x 65000 about 16 GB.
    for (auto [w, h] : {std::pair{8192, 8192}, std::pair{65000, 65000}, std::pair{2897, 2896}}) {
        try {
            TPicture::LoadJpeg(DeclaringSize(jpeg, w, h));
            ADD_FAILURE() << w << " x " << h << " decoded";
        } catch (const TDataError& e) {
            EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
        }
    }
}

TEST(Picture, TruncatedJpegIsRefusedNotShownHalfGrey) {
    // Cut inside the compressed rows: libjpeg would fill the rest with grey.
    std::vector<std::uint8_t> pixels(64 * 64 * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 7);
    const auto jpeg = ::EncodeJpeg(64, 64, pixels, TPixelOrder::Rgb, 95);
    ASSERT_NO_THROW(TPicture::LoadJpeg(jpeg));
    for (std::size_t keep : {jpeg.size() * 2 / 3, jpeg.size() - 2}) {
        const std::vector<std::uint8_t> cut(jpeg.begin(), jpeg.begin() + std::ptrdiff_t(keep));
        EXPECT_THROW(TPicture::LoadJpeg(cut), TDataError) << keep << " of " << jpeg.size() << " bytes";
    }
}

namespace {
// A 32 x 32 progressive colour JPEG of `acScansPerComponent` single-
// coefficient AC scans for each of its three components after one DC scan:
// a valid progression of 1 + 3 n scans.
std::vector<std::uint8_t> ProgressiveJpeg(int acScansPerComponent) {
    const int size = 32;
    std::vector<std::uint8_t> pixels(std::size_t(size) * size * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = std::uint8_t(i * 13);
    std::vector<jpeg_scan_info> scans;
    scans.push_back({3, {0, 1, 2, 0}, 0, 0, 0, 0});
    for (int c = 0; c < 3; ++c)
        for (int k = 1; k <= acScansPerComponent; ++k) scans.push_back({1, {c, 0, 0, 0}, k, k == acScansPerComponent ? 63 : k, 0, 0});
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_mem_dest(&cinfo, &buffer, &length);
    cinfo.image_width = cinfo.image_height = size;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.scan_info = scans.data();
    cinfo.num_scans = int(scans.size());
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = pixels.data() + std::size_t(cinfo.next_scanline) * size * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::vector<std::uint8_t> jpeg(buffer, buffer + length);
    std::free(buffer);
    return jpeg;
}
}  // namespace

// Every scan makes the decoder go over the whole picture once more: a
// picture of more scans than the cap is refused, one at the cap decodes.
TEST(Picture, ProgressiveJpegOfTooManyScansIsRefused) {
    const int atCap = (MaxJpegScans - 1) / 3;  // 1 + 3 n scans, at most the cap
    const auto allowed = TPicture::LoadJpeg(ProgressiveJpeg(atCap));
    EXPECT_EQ(allowed->Width, 32);
    EXPECT_EQ(allowed->Pixels[3], 255);
    ASSERT_LE(1 + 3 * atCap, MaxJpegScans);
    try {
        TPicture::LoadJpeg(ProgressiveJpeg(atCap + 1));
        ADD_FAILURE() << "decoded";
    } catch (const TDataError& e) {
        EXPECT_NE(std::string(e.what()).find("scans"), std::string::npos) << e.what();
    }
}

// Pictures of up to 256 colours are written with a palette, others in full:
// either way every pixel comes back as it was, alpha included.
TEST(Picture, PngKeepsEveryPixelWithOrWithoutAPalette) {
    for (int colours : {2, 16, 256, 257, 600}) {
        SCOPED_TRACE(colours);
        const int w = 30, h = 20;
        std::vector<std::uint8_t> bgra(std::size_t(w) * h * 4);
        for (int i = 0; i < w * h; ++i) {
            const int c = i % colours;
            bgra[4 * std::size_t(i) + 0] = std::uint8_t(c);
            bgra[4 * std::size_t(i) + 1] = std::uint8_t(c >> 8);
            bgra[4 * std::size_t(i) + 2] = std::uint8_t(7 * c);
            bgra[4 * std::size_t(i) + 3] = std::uint8_t(c % 3 ? 255 : c % 251);
        }
        const auto picture = TPicture::LoadPng(::EncodePng(w, h, bgra, TPixelOrder::Bgra));
        ASSERT_EQ(picture->Width, w);
        ASSERT_EQ(picture->Height, h);
        EXPECT_EQ(picture->Pixels, bgra);
    }
}

TEST(Picture, PngRowsAreThoseOfTheWholePicture) {
    const auto bytes = EncodePng(5, 40);  // of 200 colours: a palette
    // Rows that repeat, some next to each other, some far apart, are kept
    // once: each must still come back as itself.
    std::vector<std::uint8_t> repeating(5 * 40 * 4);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 5; ++x) {
            const int kind = y < 10 ? y % 3 : y < 20 ? 7 : y % 4 == 1 ? 1 : y;
            std::uint8_t* p = &repeating[(std::size_t(y) * 5 + std::size_t(x)) * 4];
            p[0] = std::uint8_t(kind * 9 + x), p[1] = std::uint8_t(kind), p[2] = std::uint8_t(x), p[3] = 255;
        }
    // Palettes of 2, 3 and 10 colours are held at 1, 2 and 4 bits an index,
    // in rows of 13 pixels, which end inside a byte.
    auto fewColours = [](int colours) {
        std::vector<std::uint8_t> bgra(13 * 40 * 4);
        for (int i = 0; i < 13 * 40; ++i) {
            const int c = (i * 7 + i / 13) % colours;
            bgra[std::size_t(i) * 4 + 0] = std::uint8_t(20 * c), bgra[std::size_t(i) * 4 + 1] = std::uint8_t(255 - 9 * c);
            bgra[std::size_t(i) * 4 + 2] = std::uint8_t(c), bgra[std::size_t(i) * 4 + 3] = 255;
        }
        return ::EncodePng(13, 40, bgra, TPixelOrder::Bgra);
    };
    for (const std::vector<std::uint8_t>& file : {bytes, ::EncodePng(5, 40, repeating, TPixelOrder::Bgra),
                                                  fewColours(2), fewColours(3), fewColours(10)}) {
        const auto whole = TPicture::LoadPng(file);
        const auto indexed = TIndexedPicture::LoadPng(file);
        const int w = whole->Width;
        for (auto [first, count] : {std::pair{0, 1}, {17, 9}, {39, 1}, {0, 40}}) {
            const auto rows = indexed->Rows(first, count);
            ASSERT_EQ(rows->Width, w);
            ASSERT_EQ(rows->Height, count);
            EXPECT_TRUE(std::equal(rows->Pixels.begin(), rows->Pixels.end(), whole->Pixels.begin() + first * w * 4))
                << w << " wide, rows " << first << " " << count;
        }
    }
    const auto indexed = TIndexedPicture::LoadPng(bytes);
    for (auto [first, count] : {std::pair{-1, 2}, {39, 2}, {0, 0}, {40, 1}})
        EXPECT_THROW(indexed->Rows(first, count), TDataError) << first << " " << count;
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(bytes.size() / 2));
    EXPECT_THROW(TIndexedPicture::LoadPng(cut), TDataError);
    EXPECT_THROW(TIndexedPicture::LoadPng(std::vector<std::uint8_t>(64, 0x89)), TDataError);
}

namespace {
// A BMP file of 2 x 2 pixels: blue, green / red, white from the top, in
// `bits` bits a pixel, rows bottom-up (or top-down when `topDown`).
std::vector<std::uint8_t> Bmp(int bits, bool topDown) {
    const std::uint8_t top[2][3] = {{255, 0, 0}, {0, 255, 0}}, bottom[2][3] = {{0, 0, 255}, {255, 255, 255}};
    const int stride = ((2 * bits / 8) + 3) & ~3;
    std::vector<std::uint8_t> b = {'B', 'M'};
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
    };
    put32(std::uint32_t(54 + 2 * stride));
    put32(0);
    put32(54);
    put32(40);
    put32(2);
    put32(topDown ? std::uint32_t(-2) : 2u);
    put32(1u | std::uint32_t(bits) << 16);
    for (int i = 0; i < 6; ++i) put32(0);
    for (int row = 0; row < 2; ++row) {
        const auto& pixels = (row == 0) == topDown ? top : bottom;
        const std::size_t start = b.size();
        for (const auto& p : pixels) {
            b.insert(b.end(), p, p + 3);
            if (bits == 32) b.push_back(0);
        }
        b.resize(start + std::size_t(stride), 0);
    }
    return b;
}
}  // namespace

TEST(Picture, BmpOfTwentyFourOrThirtyTwoBitsReadsTopRowFirst) {
    for (int bits : {24, 32})
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(bits + topDown);
            const auto picture = TPicture::LoadBmp(Bmp(bits, topDown));
            ASSERT_EQ(picture->Width, 2);
            ASSERT_EQ(picture->Height, 2);
            EXPECT_EQ(picture->Pixels, (std::vector<std::uint8_t>{255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255,
                                                                   255, 255, 255, 255}));
        }
    std::vector<std::uint8_t> eightBits = Bmp(24, false);
    eightBits[28] = 8;
    std::vector<std::uint8_t> cut = Bmp(24, false);
    cut.resize(cut.size() - 3);
    for (const auto& bad : {eightBits, cut, std::vector<std::uint8_t>{'B', 'M', 0}})
        EXPECT_THROW(TPicture::LoadBmp(bad), TDataError);
}
