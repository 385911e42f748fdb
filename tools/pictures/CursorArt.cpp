// The eight cursors, 32 x 32 with alpha: black outlines on white shapes like
// the system's own cursors, so that they read on dark and light grounds.
#include <functional>

#include "Ornaments.h"
#include "PictureDesigns.h"
#include "base/OutsideNames.h"
#include "base/Utf.h"

namespace pictures {

using namespace palette;

namespace {

constexpr int kSize = 32;
constexpr double kEdge = 1.4;  // width of the black outline

// A hand from its parts: `fingers` are (x, top) of the four fingers, the
// palm spans below them. All parts are outlined together; the fingers are
// then filled narrower than their outline so that a black line parts them.
TRgbaImage Hand(const std::vector<std::pair<double, double>>& fingers, bool thumbOut) {
    TPainter p(kSize, kSize, true);
    const double fw = 4.2, palmTop = 14, palmBottom = 28;
    TVectorPath outline, fingerFill, palm;
    for (auto [x, top] : fingers) {
        outline.AddCapsule({x, top}, {x, palmTop + 4}, fw + 2 * kEdge);
        fingerFill.AddCapsule({x, top}, {x, palmTop + 4}, fw - 0.6);
    }
    const double left = fingers.front().first - fw / 2 - 0.6, right = fingers.back().first + fw / 2 + 0.6;
    outline.AddRoundRect(left - kEdge, palmTop - kEdge, right + kEdge, palmBottom + kEdge, 5 + kEdge);
    palm.AddRoundRect(left, palmTop, right, palmBottom, 5);
    const TVec thumbA{left + 2.5, palmBottom - 6}, thumbB = thumbOut ? TVec{left - 4.5, palmTop - 1} : TVec{left - 1, palmTop + 3};
    outline.AddCapsule(thumbA, thumbB, fw + 2 * kEdge);
    TVectorPath thumb;
    thumb.AddCapsule(thumbA, thumbB, fw);
    p.Fill(outline, kBlack);
    p.Fill(fingerFill, kWhite);
    p.Fill(thumb, kWhite);
    p.Fill(palm, kWhite);
    // Knuckle creases of folded fingers.
    for (auto [x, top] : fingers)
        if (top > palmTop - 5) p.Fill(Rule({x, palmTop + 1.5}, {x, palmTop + 4.5}, 0.9), kBlack);
    return p.Finish();
}

// A magnifying glass with the mark drawn in its lens.
TRgbaImage Magnifier(const std::function<void(TPainter&, TVec)>& mark) {
    TPainter p(kSize, kSize, true);
    const TVec c{12.5, 12.5};
    TVectorPath halo;
    halo.AddCircle(c, 11.5);
    halo.AddCapsule({19.5, 19.5}, {28.5, 28.5}, 7.5);
    p.Fill(halo, kWhite);
    TVectorPath ring;
    ring.AddRing(c, 9, 2.6);
    ring.AddCapsule({19.8, 19.8}, {28, 28}, 4.6);
    p.Fill(ring, kBlack);
    TVectorPath glass;
    glass.AddCircle(c, 7.7);
    p.Fill(glass, Rgb(0xEE, 0xF6, 0xF0));
    mark(p, c);
    return p.Finish();
}

void Plus(TPainter& p, TVec c) {
    p.Fill(Rule({c.x - 4.5, c.y}, {c.x + 4.5, c.y}, 2.2), kBlack);
    p.Fill(Rule({c.x, c.y - 4.5}, {c.x, c.y + 4.5}, 2.2), kBlack);
}
void Minus(TPainter& p, TVec c) { p.Fill(Rule({c.x - 4.5, c.y}, {c.x + 4.5, c.y}, 2.2), kBlack); }
void UpDown(TPainter& p, TVec c) {
    TVectorPath a;
    a.AddPolygon({{c.x, c.y - 6}, {c.x + 4, c.y - 1.5}, {c.x - 4, c.y - 1.5}});
    a.AddPolygon({{c.x, c.y + 6}, {c.x - 4, c.y + 1.5}, {c.x + 4, c.y + 1.5}});
    p.Fill(a, kBlack);
}

// A thin black line with a white edge on either side.
void HaloLine(TPainter& p, TVec a, TVec b) {
    TVectorPath h;
    h.AddBar(a, b, 3.8);
    p.Fill(h, kWhite);
    TVectorPath l;
    l.AddBar(a, b, 1.6);
    p.Fill(l, kBlack);
}

TRgbaImage SelectRect() {
    TPainter p(kSize, kSize, true);
    // Dashed rectangle from the cross to the lower right.
    const double x0 = 8, y0 = 8, x1 = 29, y1 = 25;
    auto dashes = [&](TVec a, TVec b) {
        const int n = 5;
        for (int i = 0; i < n; ++i) HaloLine(p, Lerp(a, b, (2.0 * i + 0.3) / (2 * n - 1)), Lerp(a, b, (2.0 * i + 1) / (2 * n - 1)));
    };
    dashes({x0 + 5, y1}, {x1, y1});
    dashes({x1, y0 + 5}, {x1, y1});
    dashes({x0 + 7, y0}, {x1, y0});
    dashes({x0, y0 + 7}, {x0, y1});
    HaloLine(p, {1, 8}, {15.5, 8});
    HaloLine(p, {8, 1}, {8, 15.5});
    return p.Finish();
}

TRgbaImage SelectPoint() {
    TPainter p(kSize, kSize, true);
    const std::vector<TVec> arrow = {{1, 1}, {1, 19.5}, {5.5, 15.2}, {8.6, 22.2}, {11.6, 20.9}, {8.6, 14}, {14.5, 14}};
    TVectorPath outline;
    outline.AddPolygon(arrow);
    TVectorPath fill;
    fill.AddPolygon({{2.3, 4.2}, {2.3, 16.4}, {5.9, 12.9}, {9.3, 20.2}, {10.2, 19.8}, {6.8, 12.6}, {11.4, 12.6}});
    p.Fill(outline, kBlack);
    p.Fill(fill, kWhite);
    // A word picked out in the selection colour.
    TVectorPath tag;
    tag.AddRoundRect(14, 19, 30, 28, 2.5);
    p.Fill(tag, kWhite);
    TVectorPath inner;
    inner.AddRoundRect(15.2, 20.2, 28.8, 26.8, 1.8);
    p.Fill(inner, Rgb(0, 0x80, 0));
    p.Fill(Rule({17.5, 23.5}, {26.5, 23.5}, 1.4), Rgb(0xCF, 0xE9, 0xD6));
    return p.Finish();
}

}  // namespace

std::vector<TCursorArt> CursorArt() {
    std::vector<TCursorArt> out;
    out.push_back({Utf16ToUtf8(HandFullCursor), Hand({{10, 6}, {14.3, 4}, {18.6, 5}, {22.8, 8}}, true), 16, 16});
    out.push_back({Utf16ToUtf8(HandHoldCursor), Hand({{10, 11}, {14.3, 10}, {18.6, 10}, {22.8, 11.5}}, false), 16, 16});
    out.push_back({Utf16ToUtf8(HandPointCursor), Hand({{10, 3.8}, {14.3, 10}, {18.6, 10.5}, {22.8, 12}}, false), 10, 1});
    out.push_back({Utf16ToUtf8(ZoomInCursor), Magnifier(Plus), 12, 12});
    out.push_back({Utf16ToUtf8(ZoomOutCursor), Magnifier(Minus), 12, 12});
    out.push_back({Utf16ToUtf8(SelectRectCursor), SelectRect(), 8, 8});
    out.push_back({Utf16ToUtf8(SelectPointCursor), SelectPoint(), 1, 1});
    out.push_back({Utf16ToUtf8(DragZoomCursor), Magnifier(UpDown), 12, 12});
    return out;
}

} // namespace pictures
