#pragma once
// Text turned into filled paths: shaped with HarfBuzz, outlines from
// FreeType, in output pixels. The Quran faces built earlier in the same build
// give the Arabic; the bold face also carries Latin letters.
#include <memory>
#include <string>
#include <string_view>

#include "VectorPath.h"

namespace pictures {

struct TTextPath {
    TVectorPath path;   // baseline at y = 0, pen starting at x = 0
    double advance = 0; // pixels
    TBox ink;           // box of the outlines' points
};

class TFontFace {
public:
    explicit TFontFace(const std::string& file);
    ~TFontFace();
    TFontFace(const TFontFace&) = delete;
    TFontFace& operator=(const TFontFace&) = delete;

    // `sizePx` pixels per em; right to left for Arabic, left to right else.
    // Safe to call from several threads: each call shapes with its own font.
    TTextPath Shape(std::u16string_view text, double sizePx, bool rightToLeft = true) const;
    TTextPath Shape(std::string_view utf8, double sizePx, bool rightToLeft = true) const;
    // Arabic-Indic digits as a number reads, left to right, and plain: the
    // Quran faces otherwise set a run of them inside the end-of-aya
    // ornament, as the aya numbers of copied text.
    TTextPath ShapePlainDigits(std::u16string_view digits, double sizePx) const;

private:
    TTextPath ShapeRun(std::u16string_view text, double sizePx, bool rightToLeft, bool ornaments) const;

    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

// Text set centred on (cx, baseline) at the size that makes its ink at most
// maxWidth wide and maxHeight high (0: no limit), never above sizePx.
TVectorPath CentredText(const TFontFace& face, std::u16string_view text, double sizePx, double cx,
                        double baseline, double maxWidth = 0, bool rightToLeft = true);

// The ink of `t` moved so that its box is centred on c.
TVectorPath CentreInk(const TTextPath& t, TVec c);

} // namespace pictures
