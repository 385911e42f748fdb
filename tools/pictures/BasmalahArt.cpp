// The basmalah lines: the text of the basmalah in the Quran face on a
// see-through ground; the full design adds gold rules ending in rosettes on
// either side, the compact one only a small lozenge at each end.
#include <algorithm>

#include "Ornaments.h"
#include "PictureDesigns.h"

namespace pictures {

using namespace palette;

TRgbaImage BasmalahStrip(const TDesignFonts& fonts, const std::u16string& basmalah, bool compact) {
    TPainter p(kBasmalahWidth, kBasmalahHeight, true, palette::kWhite, PictureSourceScale);
    const double inkHeight = compact ? 46 : 56;
    TTextPath t = fonts.regular.Shape(basmalah, 40);
    const double k = inkHeight / std::max(1.0, t.ink.Height());
    TTextPath fitted{t.path.Transformed(TAffine::Scale(k, k)), 0, {}};
    fitted.ink = fitted.path.Bounds();
    const TVec c{kBasmalahWidth / 2.0, kBasmalahHeight / 2.0};
    const TVectorPath text = CentreInk(fitted, c);
    const double half = fitted.ink.Width() / 2;
    const double y = c.y + 3;  // on the text's body, below the tall letters' middle
    if (compact) {
        for (double s : {-1.0, 1.0}) {
            p.Fill(Lozenge({c.x + s * (half + 16), y}, 4, 7), kGold);
            TVectorPath dot;
            dot.AddCircle({c.x + s * (half + 28), y}, 2.2);
            p.Fill(dot, kGold);
        }
    } else {
        for (double s : {-1.0, 1.0}) {
            const double near = c.x + s * (half + 18), far = c.x + s * (half + 150);
            // A tapering gold rule with a green lozenge on it and a rosette at its end.
            p.Fill(Leaf({near, y}, {far, y}, 4.5), kGold);
            TVectorPath dot;
            dot.AddCircle({near - s * 6, y}, 2.4);
            p.Fill(dot, kGold);
            p.Fill(Lozenge({(near + far) / 2, y}, 7, 5), kGold);
            p.Fill(Lozenge({(near + far) / 2, y}, 4, 2.8), kGreen);
            p.Fill(Rosette({far + s * 12, y}, 11, 2, 8, 6), kGold);
            TVectorPath eye;
            eye.AddCircle({far + s * 12, y}, 3);
            p.Fill(eye, kGreen);
        }
    }
    p.Fill(text, kInk);
    return p.Finish();
}

} // namespace pictures
