// The whole-page frames of pages 1 and 2: a green and gold border, a field
// of fine lattice, corner rosettes, the sura header and an ivory medallion
// around the place of the page's text.
#include <algorithm>
#include <cmath>

#include "ArabicWording.h"
#include "Ornaments.h"
#include "PictureDesigns.h"

namespace pictures {

using namespace palette;

namespace {

void CornerRosette(TPainter& p, TVec c, double r) {
    TVectorPath disc;
    disc.AddCircle(c, r);
    p.Fill(disc, kGold);
    disc = {};
    disc.AddCircle(c, r - 3);
    p.Fill(disc, kGreenDeep);
    p.Fill(Rosette(c, r - 6, r * 0.18, 12, r * 0.32), kGold);
    p.Fill(Khatam(c, r * 0.42), kGoldLight);
    disc = {};
    disc.AddCircle(c, r * 0.2);
    p.Fill(disc, kGreen);
}

}  // namespace

TRgbaImage OpeningPageFrame(const TDesignFonts& fonts, int sura, const TBox& textBox, const std::u16string& basmalah) {
    const double W = kOpeningWidth, H = kOpeningHeight;
    TPainter p(kOpeningWidth, kOpeningHeight, false, kIvory, PictureSourceScale);

    // Border: green, gold rules, a chain of stars between them.
    TVectorPath all;
    all.AddRect(0, 0, W, H);
    p.Fill(all, kGreenDeep);
    TVectorPath rule;
    rule.AddRect(9, 9, W - 9, H - 9);
    rule.AddRect(12, 12, W - 12, H - 12, true);
    rule.AddRect(43, 43, W - 43, H - 43);
    rule.AddRect(46, 46, W - 46, H - 46, true);
    p.Fill(rule, kGold);
    TVectorPath stars, eyes;
    auto chain = [&](TVec a, TVec b) {
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const int n = int(len / 42);
        for (int i = 0; i <= n; ++i) {
            const TVec c = Lerp(a, b, double(i) / n);
            stars.Append(i % 2 ? Lozenge(c, 7, 11) : Khatam(c, 11));
            if (i % 2 == 0) eyes.AddCircle(c, 3.5);
        }
    };
    chain({27.5, 27.5}, {W - 27.5, 27.5});
    chain({27.5, H - 27.5}, {W - 27.5, H - 27.5});
    chain({27.5, 27.5}, {27.5, H - 27.5});
    chain({W - 27.5, 27.5}, {W - 27.5, H - 27.5});
    p.Fill(stars, kGold);
    p.Fill(eyes, kGreen);

    // The field: pale green with a lattice of small lozenges.
    TVectorPath field;
    field.AddRect(46, 46, W - 46, H - 46);
    p.Fill(field, kGreenTint);
    TVectorPath lattice;
    for (double y = 62; y < H - 50; y += 28)
        for (double x = 62 + (int((y - 62) / 28) % 2) * 14; x < W - 50; x += 28) lattice.Append(Lozenge({x, y}, 3, 5));
    p.Fill(lattice, Rgb(0xC3, 0xDA, 0xC3));
    for (TVec c : {TVec{78, 78}, TVec{W - 78, 78}, TVec{78, H - 78}, TVec{W - 78, H - 78}}) CornerRosette(p, c, 26);

    // The medallion keeps the text clear; on page 2 it also holds the
    // basmalah, whose ink ends a clear band above the text (14 pixels: more
    // than 6 page units at either design window size).
    const double margin = 30, basmalahGap = 14;
    const double x0 = std::max(70.0, textBox.left - margin), x1 = std::min(W - 70, textBox.right + margin);
    TTextPath fitted;
    double basmalahRoom = 0;
    if (!basmalah.empty()) {
        TTextPath b = fonts.regular.Shape(basmalah, 44);
        const double k = std::min(1.0, (x1 - x0 - 80) / std::max(1.0, b.ink.Width()));
        fitted.path = b.path.Transformed(TAffine::Scale(k, k));
        fitted.ink = fitted.path.Bounds();
        basmalahRoom = basmalahGap + fitted.ink.Height() + 8;
    }
    const double y0 = textBox.top - basmalahRoom - margin, y1 = std::min(H - 110, textBox.bottom + margin);
    const double r = 46;
    for (auto [grow, colour] : {std::pair{12.0, kGold}, {8.0, kGreenDeep}, {5.5, kGoldLight}, {3.5, kGreen}}) {
        TVectorPath m;
        m.AddRoundRect(x0 - grow, y0 - grow, x1 + grow, y1 + grow, r + grow);
        p.Fill(m, colour);
    }
    TVectorPath medallion;
    medallion.AddRoundRect(x0, y0, x1, y1, r);
    p.Fill(medallion, Rgb(0xFF, 0xFD, 0xF6));
    TVectorPath line;
    line.AddRoundRect(x0 + 7, y0 + 7, x1 - 7, y1 - 7, r - 7);
    line.AddRoundRect(x0 + 8.3, y0 + 8.3, x1 - 8.3, y1 - 8.3, r - 8.3, true);
    p.Fill(line, kGold);
    // Rosettes where the medallion meets the axes.
    const TVec mid{(x0 + x1) / 2, (y0 + y1) / 2};
    for (TVec c : {TVec{x0 - 12, mid.y}, TVec{x1 + 12, mid.y}, TVec{mid.x, y1 + 12}}) CornerRosette(p, c, 18);

    // The header above the medallion, and a crown of medals above it.
    const double bandH = 96, bandBottom = y0 - 30;
    DrawSuraHeader(p, fonts, SuraTitle(sura), 64, bandBottom - bandH, W - 64, bandBottom);
    const double crownY = (46 + bandBottom - bandH) / 2 + 6;
    p.Fill(Leaf({W / 2 - 300, crownY}, {W / 2 + 300, crownY}, 5), kGold);
    for (double s : {-1.0, 1.0}) {
        p.Fill(Leaf({W / 2 + s * 40, crownY}, {W / 2 + s * 150, crownY - 26}, 9), kGreen);
        p.Fill(Leaf({W / 2 + s * 40, crownY}, {W / 2 + s * 150, crownY + 26}, 9), kGreen);
        CornerRosette(p, {W / 2 + s * 185, crownY}, 20);
        p.Fill(Lozenge({W / 2 + s * 260, crownY}, 9, 13), kGold);
    }
    CornerRosette(p, {W / 2, crownY}, 44);

    if (!basmalah.empty())
        p.Fill(CentreInk(fitted, {mid.x, textBox.top - basmalahGap - fitted.ink.Height() / 2}), kInk);
    return p.Finish();
}

} // namespace pictures
