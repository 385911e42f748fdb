#include "ImageWriters.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <csetjmp>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace pictures {

namespace {

void Put16(TBytes& b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(TBytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<TBytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void PngFlush(png_structp) {}
[[noreturn]] void PngError(png_structp, png_const_charp message) { throw std::runtime_error(message); }

// A DIB of the picture: BITMAPINFOHEADER then the rows bottom-up.
void PutDib(TBytes& b, const TRgbaImage& image, int bits, int heightFactor) {
    const int rowBytes = ((image.width * bits / 8) + 3) & ~3;
    Put32(b, 40);
    Put32(b, std::uint32_t(image.width));
    Put32(b, std::uint32_t(image.height * heightFactor));
    Put16(b, 1);
    Put16(b, unsigned(bits));
    Put32(b, 0);
    Put32(b, std::uint32_t(rowBytes * image.height));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t start = b.size();
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* p = image.At(x, y);
            b.push_back(p[2]);
            b.push_back(p[1]);
            b.push_back(p[0]);
            if (bits == 32) b.push_back(p[3]);
        }
        while (b.size() - start < std::size_t(rowBytes)) b.push_back(0);
    }
}

}  // namespace

TBytes EncodePng(const TRgbaImage& image, bool withAlpha) {
    TBytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, nullptr);
    png_infop info = png_create_info_struct(png);
    try {
        png_set_write_fn(png, &out, PngWrite, PngFlush);
        png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8,
                     withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 6);
        png_write_info(png, info);
        std::vector<std::uint8_t> row(std::size_t(image.width) * 4);
        for (int y = 0; y < image.height; ++y) {
            const std::uint8_t* src = image.At(0, y);
            if (withAlpha) {
                png_write_row(png, const_cast<png_bytep>(src));
                continue;
            }
            for (int x = 0; x < image.width; ++x)
                for (int k = 0; k < 3; ++k) row[std::size_t(x) * 3 + k] = src[x * 4 + k];
            png_write_row(png, row.data());
        }
        png_write_end(png, info);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

TBytes EncodeJpeg(const TRgbaImage& image, int quality) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jerr.error_exit = [](j_common_ptr c) {
        char message[JMSG_LENGTH_MAX];
        (*c->err->format_message)(c, message);
        throw std::runtime_error(message);
    };
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_create_compress(&cinfo);
    try {
        jpeg_mem_dest(&cinfo, &buffer, &size);
        cinfo.image_width = JDIMENSION(image.width);
        cinfo.image_height = JDIMENSION(image.height);
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        for (int c = 0; c < 3; ++c) cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
        jpeg_start_compress(&cinfo, TRUE);
        std::vector<std::uint8_t> row(std::size_t(image.width) * 3);
        while (cinfo.next_scanline < cinfo.image_height) {
            const std::uint8_t* src = image.At(0, int(cinfo.next_scanline));
            for (int x = 0; x < image.width; ++x)
                for (int k = 0; k < 3; ++k) row[std::size_t(x) * 3 + k] = src[x * 4 + k];
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&cinfo, rows, 1);
        }
        jpeg_finish_compress(&cinfo);
    } catch (...) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw;
    }
    jpeg_destroy_compress(&cinfo);
    TBytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

TBytes EncodeBmp(const TRgbaImage& image) {
    TBytes dib;
    PutDib(dib, image, 24, 1);
    TBytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, std::uint32_t(14 + dib.size()));
    Put32(out, 0);
    Put32(out, 14 + 40);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

TBytes EncodeCursor(const TRgbaImage& image, int hotX, int hotY) {
    // See-through pixels black, so that no system that ignores the alpha
    // inverts the screen under them (AND 1, XOR white).
    TRgbaImage clean = image;
    for (int y = 0; y < clean.height; ++y)
        for (int x = 0; x < clean.width; ++x)
            if (clean.At(x, y)[3] == 0) std::fill_n(clean.At(x, y), 4, std::uint8_t(0));
    TBytes dib;
    PutDib(dib, clean, 32, 2);  // the height counts the colour rows and the mask rows
    const int maskRow = ((image.width + 31) / 32) * 4;
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(std::size_t(maskRow), 0);
        for (int x = 0; x < image.width; ++x)
            if (image.At(x, y)[3] == 0) row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
        dib.insert(dib.end(), row.begin(), row.end());
    }
    // The size field of the header covers the colour rows and the mask.
    const std::uint32_t imageBytes = std::uint32_t(dib.size() - 40);
    for (int k = 0; k < 4; ++k) dib[20 + k] = std::uint8_t(imageBytes >> (8 * k));

    TBytes out;
    Put16(out, 0);
    Put16(out, 2);  // cursor
    Put16(out, 1);
    out.push_back(std::uint8_t(image.width & 0xFF));
    out.push_back(std::uint8_t(image.height & 0xFF));
    out.push_back(0);
    out.push_back(0);
    Put16(out, unsigned(hotX));
    Put16(out, unsigned(hotY));
    Put32(out, std::uint32_t(dib.size()));
    Put32(out, 6 + 16);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

} // namespace pictures
