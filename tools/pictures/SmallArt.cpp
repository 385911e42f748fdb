// The index window's picture buttons and the about window's art.
#include <algorithm>

#include "Ornaments.h"
#include "PictureDesigns.h"
#include "base/OutsideNames.h"
#include "base/Utf.h"

namespace pictures {

using namespace palette;

namespace {

TPainter Tile() {
    TPainter p(18, 18, false, kWhite, PictureSourceScale);
    TVectorPath t;
    t.AddRoundRect(0.5, 0.5, 17.5, 17.5, 3);
    p.Fill(t, kGreenDeep);
    return p;
}

// An emblem: a gold-rimmed disc with a star rosette, r its radius.
void Emblem(TPainter& p, TVec c, double r) {
    for (auto [k, colour] : {std::pair{1.0, kGold}, {0.93, kGreenDeep}, {0.86, kGoldLight}, {0.82, kGreen}}) {
        TVectorPath d;
        d.AddCircle(c, r * k);
        p.Fill(d, colour);
    }
    p.Fill(Rosette(c, r * 0.78, r * 0.1, 12, r * 0.22), kGoldLight);
    p.Fill(Star(c, r * 0.62, r * 0.46, 8, kPi / 8), kGold);
    p.Fill(Khatam(c, r * 0.4), kGreenDeep);
    TVectorPath eye;
    eye.AddCircle(c, r * 0.14);
    p.Fill(eye, kGoldLight);
}

TRgbaImage Logo(const TDesignFonts& fonts, int width, int height, std::u16string_view arabic, std::string_view latin) {
    TPainter p(width, height, true, kWhite, PictureSourceScale);
    const double r = height * 0.4;
    Emblem(p, {width - r - 8, height / 2.0}, r);
    const double textRight = width - 2 * r - 26, textLeft = 8, mid = (textLeft + textRight) / 2;
    TTextPath a = fonts.bold.Shape(arabic, height * 0.3);
    const double ka = std::min(1.0, (textRight - textLeft) / std::max(1.0, a.ink.Width()));
    TTextPath af{a.path.Transformed(TAffine::Scale(ka, ka)), 0, {}};
    af.ink = af.path.Bounds();
    p.Fill(CentreInk(af, {mid, height * 0.34}), kGreenDeep);
    TTextPath l = fonts.bold.Shape(latin, height * 0.24, false);
    const double kl = std::min(1.0, (textRight - textLeft) / std::max(1.0, l.ink.Width()));
    TTextPath lf{l.path.Transformed(TAffine::Scale(kl, kl)), 0, {}};
    lf.ink = lf.path.Bounds();
    p.Fill(CentreInk(lf, {mid, height * 0.72}), kGoldDark);
    return p.Finish();
}

}  // namespace

TRgbaImage IndexListPicture() {
    TPainter p = Tile();
    for (double y : {5.0, 9.0, 13.0}) {
        TVectorPath dot;
        dot.AddCircle({13.6, y}, 1.3);
        p.Fill(dot, kGoldLight);
        p.Fill(Rule({4, y}, {10.8, y}, 1.6), kIvory);
    }
    return p.Finish();
}

TRgbaImage IndexGridPicture() {
    TPainter p = Tile();
    TVectorPath cells;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) cells.AddRect(3.5 + c * 4, 3.5 + r * 4, 6.5 + c * 4, 6.5 + r * 4);
    p.Fill(cells, kIvory);
    TVectorPath centre;
    centre.AddRect(7.5, 7.5, 10.5, 10.5);
    p.Fill(centre, kGoldLight);
    return p.Finish();
}

std::vector<TNamedArt> AboutArt(const TDesignFonts& fonts, const std::u16string& basmalah) {
    std::vector<TNamedArt> out;
    {
        TPainter p(420, 49, true, kWhite, PictureSourceScale);
        TTextPath t = fonts.regular.Shape(basmalah, 40);
        const double k = std::min(42 / std::max(1.0, t.ink.Height()), 380 / std::max(1.0, t.ink.Width()));
        TTextPath f{t.path.Transformed(TAffine::Scale(k, k)), 0, {}};
        f.ink = f.path.Bounds();
        p.Fill(CentreInk(f, {210, 24.5}), kInk);
        out.push_back({Utf16ToUtf8(AboutBasmalaPicture), p.Finish()});
    }
    out.push_back({Utf16ToUtf8(AboutMakerLogoPicture), Logo(fonts, 340, 129, u"مدرسة كورفان", "Corvane School")});
    out.push_back({Utf16ToUtf8(AboutProductLogoPicture), Logo(fonts, 340, 129, u"المصحف الشريف", "Tiravel")});
    out.push_back({Utf16ToUtf8(AboutDeveloperLogoPicture), Logo(fonts, 360, 169, u"فريق تيرافيل", "Tiravel team")});
    return out;
}

} // namespace pictures
