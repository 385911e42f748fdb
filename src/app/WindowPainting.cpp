#include "app/WindowPainting.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "render/Canvas.h"
#include "render/Downsample3x.h"
#include "render/PictureReduction.h"
#include "app/HeaderStrip.h"
#include "app/MainWindowGeometry.h"
#include "base/DataError.h"
#include "base/Picture.h"
#include "base/PictureSourceScale.h"

namespace {

bool Usable(const TPicture* p) {
    return p && p->Width > 0 && p->Height > 0 &&
           p->Pixels.size() >= std::size_t(p->Width) * std::size_t(p->Height) * 4;
}

void FillRect(TBitmap24& b, const TRectI& r, TColor colour) {
    const int x0 = std::max(r.Left, 0), x1 = std::min(r.Right, b.Width());
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, b.Height()); ++y)
        if (x0 < x1) FillRowSpan(b.Row(y), x0, x1, colour);
}

// An unscaled copy of a source rectangle of the picture (alpha ignored) to (x, y).
void CopyPictureRect(const TPicture& p, const TRectI& source, TBitmap24& b, int x, int y) {
    for (int sy = std::max(source.Top, 0); sy < std::min(source.Bottom, p.Height); ++sy) {
        const int ty = y + sy - source.Top;
        if (ty < 0 || ty >= b.Height()) continue;
        for (int sx = std::max(source.Left, 0); sx < std::min(source.Right, p.Width); ++sx) {
            const int tx = x + sx - source.Left;
            if (tx < 0 || tx >= b.Width()) continue;
            const std::uint8_t* s = p.Pixels.data() + (std::size_t(sy) * std::size_t(p.Width) + std::size_t(sx)) * 4;
            std::memcpy(b.Row(ty) + std::size_t(tx) * 3, s, 3);
        }
    }
}

}  // namespace

void KeyOutWhite(TBitmap24& b, TColor key) {
    const std::uint8_t kb = std::uint8_t(key >> 16), kg = std::uint8_t(key >> 8), kr = std::uint8_t(key);
    for (int y = 0; y < b.Height(); ++y) {
        std::uint8_t* p = b.Row(y);
        for (int x = 0; x < b.Width(); ++x, p += 3) {
            if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF) {
                p[0] = kb, p[1] = kg, p[2] = kr;
            } else if (p[0] == kb && p[1] == kg && p[2] == kr) {
                p[0] = kb == 0 ? 1 : std::uint8_t(kb - 1);
            }
        }
    }
}

TBitmap24 PaintSplash(const TPicture* splash, int width, int height) {
    TBitmap24 b(width, height);
    if (!Usable(splash)) {
        b.Fill(PlainSplashColour);
        return b;
    }
    TBitmap24 a(3 * width, 3 * height);
    a.Fill(0xFFFFFF);
    TBitmapTarget target(a);
    TCanvas(target).DrawPicture(*splash, {0, 0, a.Width(), a.Height()});
    Downsample3x(a, b);
    KeyOutWhite(b, WindowKeyColour);
    return b;
}

TBitmap24 ComposeFrame(const TPicture& frame, const TIndexedPicture* numberStrip, int pageNumber) {
    const TFramePaintPlan plan = FramePaintPlan(frame.Width, frame.Height, pageNumber, PictureSourceScale);
    TBitmap24 c(frame.Width, frame.Height);
    c.Fill(0xFFFFFF);
    FillRect(c, plan.PaleBox, plan.PaleBoxColour);
    std::unique_ptr<TPicture> cell;
    try {
        if (numberStrip) cell = numberStrip->Rows(plan.NumberSource.Top, plan.NumberSource.Height());
    } catch (const TDataError&) {
        // a strip too short for the page: the cell stays empty
    }
    if (Usable(cell.get()))
        CopyPictureRect(*cell, {plan.NumberSource.Left, 0, plan.NumberSource.Right, plan.NumberSource.Height()}, c,
                        plan.NumberTarget.Left, plan.NumberTarget.Top);
    TBitmapTarget target(c);
    TCanvas(target).DrawPicture(frame, {0, 0, frame.Width, frame.Height});
    if (plan.FloodFill) FloodFillWhite(c.Row(0), c.Width(), c.Height(), c.Stride(), plan.FloodX, plan.FloodY, plan.FloodColour);
    return c;
}

TBitmap24 PaintFrame(const TPicture* frame, const TIndexedPicture* numberStrip, int pageNumber, int width,
                     int height) {
    TBitmap24 result(width, height);
    if (!Usable(frame)) {
        result.Fill(PlainFrameColour);
        return result;
    }
    ReduceBitmap(ComposeFrame(*frame, numberStrip, pageNumber), result);
    KeyOutWhite(result, WindowKeyColour);
    return result;
}

void PaintHeaderStrip(const TPicture* juz, const TPicture* sura, TBitmap24& strip) {
    const int w = strip.Width(), h = strip.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap24 big(3 * w, 3 * h);
    big.Fill(0xFFFFFF);
    const THeaderStripPlan plan = HeaderStripPlan(w, h, Usable(juz) ? juz->Width : 1, Usable(juz) ? juz->Height : 1,
                                                  Usable(sura) ? sura->Width : 1, Usable(sura) ? sura->Height : 1);
    TBitmapTarget target(big);
    TCanvas canvas(target);
    auto toPixels = [](const TRectI& r) { return TPixelRect{r.Left, r.Top, r.Right, r.Bottom}; };
    if (Usable(juz)) canvas.DrawPicture(*juz, toPixels(plan.JuzTarget));
    if (Usable(sura)) canvas.DrawPicture(*sura, toPixels(plan.SuraTarget));
    Downsample3x(big, strip);
    if (plan.LineY >= 0 && plan.LineY < h && plan.LineEndX > 0)
        FillRowSpan(strip.Row(plan.LineY), 0, std::min(plan.LineEndX, w), plan.LineColour);
}
