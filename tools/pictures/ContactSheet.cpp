#include "ContactSheet.h"

#include <algorithm>

namespace pictures {

namespace {

constexpr int kSheetWidth = 1900;

// Integer enlargement of small pictures, box reduction of large ones.
TRgbaImage Fit(const TRgbaImage& src, int maxW, int maxH) {
    int up = 1;
    while (src.width * (up + 1) <= std::min(maxW, 200) && src.height * (up + 1) <= std::min(maxH, 200)) ++up;
    if (up > 1) {
        TRgbaImage out(src.width * up, src.height * up);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) std::copy_n(src.At(x / up, y / up), 4, out.At(x, y));
        return out;
    }
    int down = 1;
    while (src.width / down > maxW || src.height / down > maxH) ++down;
    if (down == 1) return src;
    TRgbaImage out(src.width / down, src.height / down);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            for (int k = 0; k < 4; ++k) {
                unsigned sum = 0;
                for (int dy = 0; dy < down; ++dy)
                    for (int dx = 0; dx < down; ++dx) sum += src.At(x * down + dx, y * down + dy)[k];
                out.At(x, y)[k] = std::uint8_t(sum / unsigned(down * down));
            }
    return out;
}

void Blend(TRgbaImage& sheet, const TRgbaImage& pic, int x0, int y0) {
    for (int y = 0; y < pic.height && y0 + y < sheet.height; ++y)
        for (int x = 0; x < pic.width && x0 + x < sheet.width; ++x) {
            const std::uint8_t* s = pic.At(x, y);
            std::uint8_t* d = sheet.At(x0 + x, y0 + y);
            for (int k = 0; k < 3; ++k) d[k] = std::uint8_t((s[k] * s[3] + d[k] * (255 - s[3])) / 255);
        }
}

}  // namespace

TRgbaImage ContactSheet(const std::map<std::string, TRgbaImage>& pictures, const TDesignFonts& fonts) {
    struct TPlaced { const std::string* name; TRgbaImage pic; int x, y; };
    std::vector<TPlaced> placed;
    int x = 20, y = 20, rowH = 0;
    for (const auto& [name, pic] : pictures) {
        const bool large = pic.width >= 800;
        TRgbaImage fitted = Fit(pic, large ? 620 : 760, large ? 920 : 240);
        if (x + fitted.width > kSheetWidth - 20) {
            x = 20;
            y += rowH + 40;
            rowH = 0;
        }
        placed.push_back({&name, std::move(fitted), x, y + 20});
        x += placed.back().pic.width + 30;
        rowH = std::max(rowH, placed.back().pic.height + 20);
    }
    const int height = y + rowH + 40;
    TPainter labels(kSheetWidth, height, true);
    for (const TPlaced& p : placed)
        labels.Fill(fonts.bold.Shape(std::string_view(*p.name), 15, false).path.Transformed(TAffine::Translate(p.x, p.y - 5)), 0);
    TRgbaImage sheet(kSheetWidth, height);
    for (int i = 0; i < kSheetWidth * height; ++i) {
        sheet.rgba[std::size_t(i) * 4 + 0] = sheet.rgba[std::size_t(i) * 4 + 1] = 0xB8;
        sheet.rgba[std::size_t(i) * 4 + 2] = 0xBC;
        sheet.rgba[std::size_t(i) * 4 + 3] = 255;
    }
    for (const TPlaced& p : placed) Blend(sheet, p.pic, p.x, p.y);
    Blend(sheet, labels.Finish(), 0, 0);
    return sheet;
}

} // namespace pictures
