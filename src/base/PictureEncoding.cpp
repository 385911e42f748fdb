#include "base/PictureEncoding.h"

#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

namespace {

int Channels(TPixelOrder order) { return order == TPixelOrder::Rgba || order == TPixelOrder::Bgra ? 4 : 3; }
bool Reversed(TPixelOrder order) { return order == TPixelOrder::Bgr || order == TPixelOrder::Bgra; }

void CheckSize(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order) {
    if (width <= 0 || height <= 0 || pixels.size() != std::size_t(width) * std::size_t(height) * Channels(order))
        throw std::runtime_error("the pixels do not match the picture's size");
}

// Row `y` as R G B [A] for the encoders.
void CopyRow(std::span<const std::uint8_t> pixels, int width, int y, TPixelOrder order, bool keepAlpha,
             std::vector<std::uint8_t>& row) {
    const int in = Channels(order), out = keepAlpha ? in : 3;
    row.resize(std::size_t(width) * out);
    const std::uint8_t* src = pixels.data() + std::size_t(y) * width * in;
    for (int x = 0; x < width; ++x, src += in) {
        std::uint8_t* dst = row.data() + std::size_t(x) * out;
        dst[0] = src[Reversed(order) ? 2 : 0];
        dst[1] = src[1];
        dst[2] = src[Reversed(order) ? 0 : 2];
        if (out == 4) dst[3] = src[3];
    }
}

void PngWrite(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void PngFlush(png_structp) {}
[[noreturn]] void PngError(png_structp, png_const_charp message) { throw std::runtime_error(message); }

std::vector<std::uint8_t> Png(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                              bool alpha) {
    CheckSize(width, height, pixels, order);
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, nullptr);
    png_infop info = png_create_info_struct(png);
    try {
        png_set_write_fn(png, &out, PngWrite, PngFlush);
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                     alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_compression_level(png, 6);
        png_write_info(png, info);
        std::vector<std::uint8_t> row;
        for (int y = 0; y < height; ++y) {
            CopyRow(pixels, width, y, order, alpha, row);
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

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order) {
    return Png(width, height, pixels, order, Channels(order) == 4);
}

std::vector<std::uint8_t> EncodeOpaquePng(int width, int height, std::span<const std::uint8_t> pixels,
                                          TPixelOrder order) {
    return Png(width, height, pixels, order, false);
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                                     int quality) {
    CheckSize(width, height, pixels, order);
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
        cinfo.image_width = JDIMENSION(width);
        cinfo.image_height = JDIMENSION(height);
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        jpeg_set_defaults(&cinfo);
        jpeg_set_quality(&cinfo, quality, TRUE);
        for (int c = 0; c < 3; ++c) cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
        jpeg_start_compress(&cinfo, TRUE);
        std::vector<std::uint8_t> row;
        while (cinfo.next_scanline < cinfo.image_height) {
            CopyRow(pixels, width, int(cinfo.next_scanline), order, false, row);
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
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}
