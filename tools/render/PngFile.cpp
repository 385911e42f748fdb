#include "PngFile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include <png.h>

#include "base/PictureEncoding.h"

void WritePngFile(const std::filesystem::path& path, const TBitmap24& bitmap) {
    // libpng wants rows without padding.
    const std::size_t rowBytes = std::size_t(bitmap.Width()) * 3;
    std::vector<std::uint8_t> pixels(rowBytes * std::size_t(bitmap.Height()));
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(pixels.data() + rowBytes * std::size_t(y), bitmap.Row(y), rowBytes);
    const std::vector<std::uint8_t> encoded = EncodePng(bitmap.Width(), bitmap.Height(), pixels, TPixelOrder::Bgr);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(encoded.data()), std::streamsize(encoded.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

TBitmap24 ReadPngFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        throw std::runtime_error(path.string() + ": " + image.message);
    image.format = PNG_FORMAT_BGR;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        throw std::runtime_error(path.string() + ": " + image.message);
    TBitmap24 bitmap(int(image.width), int(image.height));
    const std::size_t rowBytes = std::size_t(image.width) * 3;
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(bitmap.Row(y), pixels.data() + rowBytes * std::size_t(y), rowBytes);
    return bitmap;
}
