// The main window's pictures: the page frame whose surround is pure white
// (the window's see-through key), the splash, and the page-number cells.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ArabicWording.h"
#include "Ornaments.h"
#include "PictureDesigns.h"

namespace pictures {

using namespace palette;

namespace {

// Frame geometry in picture pixels. The page view covers about
// (106, 106)-(854, 1309); the clear inside reaches past it to (100, 100),
// where the opening pages flood-fill it.
constexpr double kOut = 20, kBottomOut = 1402, kIn = 98, kInBottom = 1317;
// The pale number box painted under the frame, and the window onto it.
constexpr double kBoxL = 426, kBoxT = 1350, kBoxR = 535, kBoxB = 1395;

// Middle line of the ivory band, where the chain and the medals sit.
constexpr double kMid = (36 + kIn - 12) / 2, kMidBottom = ((kBottomOut - 20) + (kInBottom + 12)) / 2;

std::vector<TVec> CornerMedals() {
    return {{kMid, kMid}, {kFrameWidth - kMid, kMid}, {kMid, kMidBottom}, {kFrameWidth - kMid, kMidBottom}};
}

TVectorPath Silhouette() {
    TVectorPath s;
    s.AddRoundRect(kOut, kOut, kFrameWidth - kOut, kBottomOut, 30);
    // Lobes round the corner medals.
    for (TVec c : CornerMedals()) s.AddCircle(c, 47);
    return s;
}

void Medal(TPainter& p, TVec c, double r) {
    TVectorPath d;
    d.AddCircle(c, r);
    p.Fill(d, kGold);
    d = {};
    d.AddCircle(c, r - 3);
    p.Fill(d, kGreenDeep);
    p.Fill(Rosette(c, r - 5, r * 0.16, 12, r * 0.34), kGold);
    p.Fill(Khatam(c, r * 0.44), kGoldLight);
    d = {};
    d.AddCircle(c, r * 0.2);
    p.Fill(d, kGreen);
}

// The ornamental band from the silhouette to the clear inside: green, gold
// rules, an ivory middle with a chain of stars and lozenges, and medals at
// the corners and the middles of the sides.
void DrawFrameBand(TPainter& p) {
    const double W = kFrameWidth;
    p.Fill(Silhouette(), kGreenDeep);
    auto ring = [&](double a, double b, double aBottom, double bBottom, double r, TColour colour) {
        TVectorPath g;
        g.AddRoundRect(a, a, W - a, aBottom, r);
        g.AddRoundRect(b, b, W - b, bBottom, std::max(1.0, r - (b - a)), true);
        p.Fill(g, colour);
    };
    ring(24, 27, kBottomOut - 8, kBottomOut - 11, 24, kGold);
    // Ivory middle band.
    ring(36, kIn - 12, kBottomOut - 20, kInBottom + 12, 14, kCream);
    ring(36, 38, kBottomOut - 20, kBottomOut - 22, 14, kGoldDark);
    ring(kIn - 14, kIn - 12, kInBottom + 14, kInBottom + 12, 4, kGoldDark);
    // Chain of the middle band.
    const double mid = kMid, midBottom = kMidBottom;
    TVectorPath stars, lozenges, eyes;
    auto chain = [&](TVec a, TVec b, bool skipMiddle) {
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        const int n = std::max(2, int(std::round(len / 40)) & ~1);
        for (int i = 1; i < n; ++i) {
            const TVec c = Lerp(a, b, double(i) / n);
            if (skipMiddle && std::abs(i - n / 2) <= 2) continue;
            if (i % 2) lozenges.Append(Lozenge(c, 6, 6));
            else {
                stars.Append(Khatam(c, 12));
                eyes.AddCircle(c, 4);
            }
        }
    };
    chain({mid, mid}, {W - mid, mid}, true);
    chain({mid, midBottom}, {W - mid, midBottom}, true);
    chain({mid, mid}, {mid, midBottom}, true);
    chain({W - mid, mid}, {W - mid, midBottom}, true);
    p.Fill(lozenges, kGreenSoft);
    p.Fill(stars, kGold);
    p.Fill(eyes, kGreenDeep);
    // Inner edge: green and gold rules up to the clear inside.
    ring(kIn - 12, kIn - 4, kInBottom + 12, kInBottom + 4, 4, kGreen);
    ring(kIn - 4, kIn, kInBottom + 4, kInBottom, 2, kGold);
    for (TVec c : CornerMedals()) {
        TVectorPath rim;
        rim.AddRing(c, 43, 2.5);
        p.Fill(rim, kGold);
        Medal(p, c, 38);
    }
    for (TVec c : {TVec{W / 2, mid}, TVec{mid, (mid + midBottom) / 2}, TVec{W - mid, (mid + midBottom) / 2}})
        Medal(p, c, 26);
}

}  // namespace

TRgbaImage WindowFrame() {
    TPainter p(kFrameWidth, kFrameHeight, true, palette::kWhite, PictureSourceScale);
    DrawFrameBand(p);
    // The page-number cartouche on the bottom band; its window shows the pale
    // box and the number that the main window paints under the frame.
    const TVec c{(kBoxL + kBoxR) / 2, (kBoxT + kBoxB) / 2};
    const double halfW = (kBoxR - kBoxL) / 2 + 2, halfH = (kBoxB - kBoxT) / 2 + 2, cap = 34;
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 10), kGold);
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 8), kGreenDeep);
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 4.5), kGoldLight);
    p.Fill(CartoucheGrown(c, halfW, halfH, cap, 3.3), kGreen);
    for (double s : {-1.0, 1.0}) {
        TVectorPath knob;
        knob.AddCircle({c.x + s * (halfW + cap + 12), c.y}, 6);
        p.Fill(knob, kGold);
    }
    // The window spans the box's full height, so that the whole number cell
    // shows, and stops short of its ends.
    TVectorPath window;
    window.AddRoundRect(kBoxL + 4, kBoxT, kBoxR - 4, kBoxB, 8);
    p.Erase(window);
    // The clear inside, where the page view sits.
    TVectorPath inside;
    inside.AddRect(kIn, kIn, kFrameWidth - kIn, kInBottom);
    p.Erase(inside);
    return p.Finish();
}

TRgbaImage SplashPicture(const TDesignFonts& fonts) {
    const double W = kFrameWidth;
    TPainter p(kFrameWidth, kFrameHeight, true, palette::kWhite, PictureSourceScale);
    DrawFrameBand(p);
    TVectorPath inside;
    inside.AddRect(kIn, kIn, W - kIn, kInBottom);
    p.Fill(inside, kIvory);
    TVectorPath lattice;
    for (double y = kIn + 22; y < kInBottom - 10; y += 30)
        for (double x = kIn + 22 + (int((y - kIn) / 30) % 2) * 15; x < W - kIn - 10; x += 30)
            lattice.Append(Lozenge({x, y}, 3, 5));
    p.Fill(lattice, kCream);
    // A great star medallion in the middle.
    const TVec c{W / 2, 640};
    for (auto [r, colour] : {std::pair{250.0, kGold}, {244.0, kGreenDeep}, {236.0, kGoldLight}, {232.0, kGreenTint}}) {
        TVectorPath d;
        d.AddCircle(c, r);
        p.Fill(d, colour);
    }
    p.Fill(Rosette(c, 226, 40, 16, 52), kGreenSoft);
    p.Fill(Star(c, 200, 150, 16, kPi / 16), kGold);
    p.Fill(Star(c, 186, 146, 16, kPi / 16), kGreenDeep);
    p.Fill(Rosette(c, 140, 20, 16, 30, kPi / 16), kGold);
    p.Fill(Khatam(c, 78), kGoldLight);
    p.Fill(Khatam(c, 62), kGreen);
    TVectorPath eye;
    eye.AddCircle(c, 26);
    p.Fill(eye, kGoldLight);
    eye = {};
    eye.AddCircle(c, 14);
    p.Fill(eye, kGreenDeep);

    TTextPath ar = fonts.bold.Shape(u"المصحف الشريف", 70);
    p.Fill(CentreInk(ar, {W / 2, 960}), kGreenDeep);
    TTextPath name = fonts.bold.Shape(std::string_view("Tiravel"), 120, false);
    p.Fill(CentreInk(name, {W / 2, 1100}), kGoldDark);
    p.Fill(Rule({W / 2 - 210, 1190}, {W / 2 + 210, 1190}, 3), kGold);
    p.Fill(Khatam({W / 2, 1190}, 12), kGold);
    return p.Finish();
}

TRgbaImage PageNumberCell(const TDesignFonts& fonts, int page) {
    TPainter p(kNumberCellWidth, kNumberCellHeight, false, kNumberBox, PictureSourceScale);
    TTextPath t = fonts.bold.ShapePlainDigits(ArabicIndicNumber(page), 30);
    const double k = std::min(1.0, (kNumberCellWidth - 6) / std::max(1.0, t.ink.Width()));
    TTextPath fitted{t.path.Transformed(TAffine::Scale(k, k)), 0, {}};
    fitted.ink = fitted.path.Bounds();
    p.Fill(CentreInk(fitted, {kNumberCellWidth / 2.0, kNumberRows / 2.0}), kGreenDeep);
    return p.Finish();
}

} // namespace pictures
