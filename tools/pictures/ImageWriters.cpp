#include "ImageWriters.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <csetjmp>
#include <stdexcept>

#include "base/PictureEncoding.h"

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
    return withAlpha ? ::EncodePng(image.width, image.height, image.rgba, TPixelOrder::Rgba)
                     : EncodeOpaquePng(image.width, image.height, image.rgba, TPixelOrder::Rgba);
}

TBytes EncodeJpeg(const TRgbaImage& image, int quality, TJpegChroma chroma) {
    return ::EncodeJpeg(image.width, image.height, image.rgba, TPixelOrder::Rgba, quality, chroma);
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
