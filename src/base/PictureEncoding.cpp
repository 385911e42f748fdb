#include "base/PictureEncoding.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>
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

// The colours of a picture of at most 256 of them, the see-through ones
// first (so that the transparency chunk stays short), and each pixel's index
// into them; nothing when there are more colours.
struct TPalette {
    std::vector<std::uint32_t> Colours;  // R | G << 8 | B << 16 | A << 24
    std::vector<std::uint8_t> Indices;
    int SeeThrough = 0;                  // colours with alpha below 255
};

std::optional<TPalette> FindPalette(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                                    bool alpha) {
    TPalette palette;
    std::unordered_map<std::uint32_t, int> index;
    std::vector<std::uint32_t> colourOf(std::size_t(width) * std::size_t(height));
    std::vector<std::uint8_t> row;
    for (int y = 0; y < height; ++y) {
        CopyRow(pixels, width, y, order, alpha, row);
        const int channels = alpha ? 4 : 3;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = row.data() + std::size_t(x) * std::size_t(channels);
            const std::uint32_t colour = p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(alpha ? p[3] : 255) << 24;
            colourOf[std::size_t(y) * std::size_t(width) + std::size_t(x)] = colour;
            if (index.emplace(colour, 0).second) {
                palette.Colours.push_back(colour);
                if (palette.Colours.size() > 256) return std::nullopt;
            }
        }
    }
    std::stable_partition(palette.Colours.begin(), palette.Colours.end(), [](std::uint32_t c) { return c >> 24 < 255; });
    for (std::size_t i = 0; i < palette.Colours.size(); ++i) {
        index[palette.Colours[i]] = int(i);
        if (palette.Colours[i] >> 24 < 255) palette.SeeThrough = int(i) + 1;
    }
    palette.Indices.reserve(colourOf.size());
    for (std::uint32_t c : colourOf) palette.Indices.push_back(std::uint8_t(index[c]));
    return palette;
}

std::vector<std::uint8_t> Png(int width, int height, std::span<const std::uint8_t> pixels, TPixelOrder order,
                              bool alpha) {
    CheckSize(width, height, pixels, order);
    const std::optional<TPalette> palette = FindPalette(width, height, pixels, order, alpha);
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, nullptr);
    png_infop info = png_create_info_struct(png);
    try {
        png_set_write_fn(png, &out, PngWrite, PngFlush);
        if (palette) {
            const std::size_t n = palette->Colours.size();
            const int depth = n <= 2 ? 1 : n <= 4 ? 2 : n <= 16 ? 4 : 8;
            png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth, PNG_COLOR_TYPE_PALETTE,
                         PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            std::vector<png_color> colours;
            std::vector<png_byte> opacity;
            for (std::uint32_t c : palette->Colours)
                colours.push_back({png_byte(c), png_byte(c >> 8), png_byte(c >> 16)});
            for (int i = 0; i < palette->SeeThrough; ++i) opacity.push_back(png_byte(palette->Colours[std::size_t(i)] >> 24));
            png_set_PLTE(png, info, colours.data(), int(colours.size()));
            if (!opacity.empty()) png_set_tRNS(png, info, opacity.data(), int(opacity.size()), nullptr);
        } else {
            png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8,
                         alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        }
        png_set_compression_level(png, 9);
        png_write_info(png, info);
        if (palette) png_set_packing(png);  // one index a byte in, packed to the bit depth out
        std::vector<std::uint8_t> row;
        for (int y = 0; y < height; ++y) {
            if (palette) {
                png_write_row(png, palette->Indices.data() + std::size_t(y) * std::size_t(width));
                continue;
            }
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
                                     int quality, TJpegChroma chroma) {
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
        // jpeg_set_defaults halves the colour resolution; full keeps it.
        if (chroma == TJpegChroma::Full)
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
