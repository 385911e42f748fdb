// The sura header: a deep green band framed in gold, a rosette and stars on
// either side, and an ivory cartouche with ogee ends holding the title.
#include <algorithm>

#include "ArabicWording.h"
#include "Ornaments.h"
#include "PictureDesigns.h"

namespace pictures {

using namespace palette;

namespace {

// A rosette of the side fields: gold petals, an ivory star and a green eye.
void SideRosette(TPainter& p, TVec c, double r) {
    TVectorPath halo;
    halo.AddCircle(c, r * 1.02);
    p.Fill(halo, kGreen);
    p.Fill(Rosette(c, r, r * 0.15, 8, r * 0.52), kGold);
    p.Fill(Rosette(c, r * 0.8, r * 0.15, 8, r * 0.3, kPi / 8), kGoldLight);
    p.Fill(Khatam(c, r * 0.42), kIvory);
    TVectorPath eye;
    eye.AddCircle(c, r * 0.16);
    p.Fill(eye, kGreenDeep);
}

}  // namespace

void DrawSuraHeader(TPainter& p, const TDesignFonts& fonts, const std::u16string& title, double x0, double y0,
                    double x1, double y1) {
    const double h = y1 - y0, w = x1 - x0;
    const TVec c{(x0 + x1) / 2, (y0 + y1) / 2};
    const double u = h / 90;  // the design is drawn for a band 90 pixels high

    // Frame: green, a gold rule, the green field.
    TVectorPath outer, gold, field;
    outer.AddRoundRect(x0 + 2 * u, y0 + 4 * u, x1 - 2 * u, y1 - 4 * u, 9 * u);
    gold.AddRoundRect(x0 + 5 * u, y0 + 7 * u, x1 - 5 * u, y1 - 7 * u, 7 * u);
    field.AddRoundRect(x0 + 7.5 * u, y0 + 9.5 * u, x1 - 7.5 * u, y1 - 9.5 * u, 5 * u);
    p.Fill(outer, kGreenDeep);
    p.Fill(gold, kGold);
    p.Fill(field, kGreenDeep);
    // A fine inner gold line around the field.
    TVectorPath line;
    line.AddRoundRect(x0 + 11 * u, y0 + 13 * u, x1 - 11 * u, y1 - 13 * u, 3 * u);
    line.AddRoundRect(x0 + 12.2 * u, y0 + 14.2 * u, x1 - 12.2 * u, y1 - 14.2 * u, 2 * u, true);
    p.Fill(line, kGoldDark);

    // The cartouche spans the middle half of the band.
    const double halfW = std::min(w * 0.24, w / 2 - 110 * u), halfH = 27 * u, cap = 34 * u;
    const double sideL = x0 + 14 * u, sideR = c.x - halfW - cap - 8 * u;  // left side field
    // Side fields: a running gold rule, a rosette in the middle, stars and lozenges.
    for (int side = 0; side < 2; ++side) {
        const double a = side == 0 ? sideL : x1 - (sideR - x0);
        const double b = side == 0 ? sideR : x1 - (sideL - x0);
        const double mid = (a + b) / 2;
        p.Fill(Rule({a + 6 * u, c.y}, {b - 4 * u, c.y}, 1.6 * u), kGold);
        p.Fill(Rule({a + 6 * u, c.y - 17 * u}, {b - 4 * u, c.y - 17 * u}, 1.0 * u), kGoldDark);
        p.Fill(Rule({a + 6 * u, c.y + 17 * u}, {b - 4 * u, c.y + 17 * u}, 1.0 * u), kGoldDark);
        SideRosette(p, {mid, c.y}, 24 * u);
        for (double dx : {-1.0, 1.0}) {
            const TVec s{mid + dx * (b - a) * 0.33, c.y};
            p.Fill(Khatam(s, 11 * u), kGold);
            p.Fill(Khatam(s, 7 * u), kGreen);
            TVectorPath dot;
            dot.AddCircle(s, 2.6 * u);
            p.Fill(dot, kGoldLight);
            const TVec l{mid + dx * (b - a) * 0.17, c.y};
            p.Fill(Lozenge(l, 5 * u, 9 * u), kGoldLight);
            const TVec e{mid + dx * (b - a) * 0.46, c.y};
            p.Fill(Lozenge(e, 3.5 * u, 6 * u), kGold);
        }
    }

    // Cartouche: gold edge, green rule, ivory ground, a fine gold inner line.
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 5 * u), kGold);
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 2.8 * u), kGreenDeep);
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 1.4 * u), kGoldLight);
    p.Fill(Cartouche(c, halfW, halfH, cap), kIvory);
    TVectorPath inner = CartoucheGrown(c, halfW, halfH, cap, -3.5 * u);
    inner.Append(CartoucheGrown(c, halfW, halfH, cap, -4.5 * u)
                     .Transformed(TAffine::Translate(0, 2 * c.y) * TAffine::Scale(1, -1)));
    p.Fill(inner, kGold);
    // Gold knobs at the points of the cartouche.
    for (double dx : {-1.0, 1.0}) {
        const TVec tip{c.x + dx * (halfW + cap + 6 * u), c.y};
        TVectorPath knob;
        knob.AddCircle(tip, 5.5 * u);
        p.Fill(knob, kGold);
        TVectorPath eye;
        eye.AddCircle(tip, 2.3 * u);
        p.Fill(eye, kGreenDeep);
    }

    // The title, centred on the cartouche, as large as its room allows.
    TTextPath t = fonts.regular.Shape(title, 46 * u);
    const double room = 2 * halfW + cap * 0.8, roomH = 2 * halfH - 5 * u;
    const double k = std::min({1.0, room / std::max(1.0, t.ink.Width()), roomH / std::max(1.0, t.ink.Height())});
    TTextPath fitted{t.path.Transformed(TAffine::Scale(k, k)), t.advance * k, {}};
    fitted.ink = fitted.path.Bounds();
    p.Fill(CentreInk(fitted, {c.x, c.y + 1 * u}), kInk);
}

TRgbaImage SuraHeaderStrip(const TDesignFonts& fonts, int sura) {
    TPainter p(kHeaderWidth, kHeaderHeight, false, palette::kWhite, PictureSourceScale);
    DrawSuraHeader(p, fonts, SuraTitle(sura), 0, 0, kHeaderWidth, kHeaderHeight);
    return p.Finish();
}

} // namespace pictures
