#pragma once
// The designs of every picture the viewer shows. Each returns the finished
// picture, PictureSourceScale times its design size (the cursors: at their
// size); the caller encodes it. The sizes below are design pixels.
#include <string>
#include <vector>

#include "Painter.h"
#include "RgbaImage.h"
#include "TextPaths.h"
#include "base/PictureSourceScale.h"

namespace pictures {

struct TDesignFonts {
    const TFontFace& regular;  // the Quran face: Arabic text with its marks
    const TFontFace& bold;     // the bold face: headings, digits, Latin
};

// Sizes the viewer and its checks rely on.
constexpr int kHeaderWidth = 749, kHeaderHeight = 90;
constexpr int kOpeningWidth = 817, kOpeningHeight = 1148;
constexpr int kBasmalahWidth = 749, kBasmalahHeight = 57;
constexpr int kNameHeight = 66;
constexpr int kFrameWidth = 960, kFrameHeight = 1415;
constexpr int kNumberCellWidth = 49, kNumberCellHeight = 60, kNumberRows = 45;

// The sura header band drawn into the box: frame, side ornaments and the
// cartouche with the title. Shared by the header strips and the opening pages.
void DrawSuraHeader(TPainter& painter, const TDesignFonts& fonts, const std::u16string& title,
                    double x0, double y0, double x1, double y1);

TRgbaImage SuraHeaderStrip(const TDesignFonts& fonts, int sura);
// The whole-page frame of page 1 or 2: `textBox` is where the page's text
// falls in the picture's pixels, kept clear; `basmalah` is drawn above the
// text when not empty.
TRgbaImage OpeningPageFrame(const TDesignFonts& fonts, int sura, const TBox& textBox,
                            const std::u16string& basmalah);
TRgbaImage BasmalahStrip(const TDesignFonts& fonts, const std::u16string& basmalah, bool compact);
// A name of the header strip above the page, as wide as its text.
TRgbaImage NamePicture(const TDesignFonts& fonts, const std::u16string& text, bool juz);

TRgbaImage WindowFrame();
TRgbaImage SplashPicture(const TDesignFonts& fonts);
// One cell of the page-number strip.
TRgbaImage PageNumberCell(const TDesignFonts& fonts, int page);

struct TCursorArt {
    std::string name;
    TRgbaImage image;
    int hotX = 0, hotY = 0;
};
std::vector<TCursorArt> CursorArt();

// The index window's picture button: the view a click switches to.
TRgbaImage IndexListPicture();
TRgbaImage IndexGridPicture();

struct TNamedArt {
    std::string name;
    TRgbaImage image;
};
std::vector<TNamedArt> AboutArt(const TDesignFonts& fonts, const std::u16string& basmalah);

} // namespace pictures
