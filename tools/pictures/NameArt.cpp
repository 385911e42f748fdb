// The juz and sura names of the header strip: the text in deep green on a
// see-through ground, on one baseline and at one size for every page so that
// the names do not jump as the reader turns pages.
#include <algorithm>
#include <cmath>

#include "PictureDesigns.h"

namespace pictures {

using namespace palette;

TRgbaImage NamePicture(const TDesignFonts& fonts, const std::u16string& text, bool juz) {
    const double size = 38, baseline = 44, pad = 10;
    TTextPath t = (juz ? fonts.bold : fonts.regular).Shape(text, size);
    // A name whose marks would leave the picture is set a little smaller.
    double k = 1;
    if (t.ink.top + baseline < 2) k = std::min(k, (baseline - 2) / -t.ink.top);
    if (t.ink.bottom + baseline > kNameHeight - 2) k = std::min(k, (kNameHeight - 2 - baseline) / t.ink.bottom);
    const double inkW = t.ink.Width() * k;
    const int width = std::max(106, int(std::ceil(inkW + 2 * pad)));
    TPainter p(width, kNameHeight, true, palette::kWhite, PictureSourceScale);
    const double left = (width - inkW) / 2 - t.ink.left * k;
    p.Fill(t.path.Transformed(TAffine::Translate(left, baseline) * TAffine::Scale(k, k)), kGreenDeep);
    return p.Finish();
}


} // namespace pictures
