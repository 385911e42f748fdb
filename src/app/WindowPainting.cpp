#include "app/WindowPainting.h"

#include <algorithm>
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

}  // namespace

void KeyOutWhite(TBitmap24& b, TColor key) { KeyOutWhite(b, key, {0, 0, b.Width(), b.Height()}); }

void KeyOutWhite(TBitmap24& b, TColor key, const TRectI& area) {
    const std::uint8_t kb = std::uint8_t(key >> 16), kg = std::uint8_t(key >> 8), kr = std::uint8_t(key);
    const int x0 = std::max(area.Left, 0), x1 = std::min(area.Right, b.Width());
    for (int y = std::max(area.Top, 0); y < std::min(area.Bottom, b.Height()); ++y) {
        std::uint8_t* p = b.Row(y) + std::size_t(x0) * 3;
        for (int x = x0; x < x1; ++x, p += 3) {
            if (p[0] == 0xFF && p[1] == 0xFF && p[2] == 0xFF) {
                p[0] = kb, p[1] = kg, p[2] = kr;
            } else if (p[0] == kb && p[1] == kg && p[2] == kr) {
                p[0] = kb == 0 ? 1 : std::uint8_t(kb - 1);
            }
        }
    }
}

TBitmap24 PaintSplash(const TIndexedPicture* splash, int width, int height) {
    if (!splash) {
        TBitmap24 b(width, height);
        b.Fill(PlainSplashColour);
        return b;
    }
    TBitmap24 b = ReducePicture(*splash, width, height, 0xFFFFFF);
    KeyOutWhite(b, WindowKeyColour);
    return b;
}

TFrameComposite::TFrameComposite(const TIndexedPicture& frame, const TIndexedPicture* numberStrip, int pageNumber)
    : FFrame(frame), FPlan(FramePaintPlan(frame.Width, frame.Height, pageNumber, PictureSourceScale)) {
    try {
        if (numberStrip) FCell = numberStrip->Rows(FPlan.NumberSource.Top, FPlan.NumberSource.Height());
    } catch (const TDataError&) {
        // a strip too short for the page: the cell stays empty
    }
    if (FCell) {
        // The cell's columns NumberSource.Left .. Right, as far as the strip has them.
        const int left = std::max(FPlan.NumberSource.Left, 0), right = std::min(FPlan.NumberSource.Right, FCell->Width);
        FCellArea = {FPlan.NumberTarget.Left + left - FPlan.NumberSource.Left, FPlan.NumberTarget.Top,
                     FPlan.NumberTarget.Left + right - FPlan.NumberSource.Left,
                     FPlan.NumberTarget.Top + FCell->Height};
    }
}

int TFrameComposite::Width() const { return FFrame.Width; }
int TFrameComposite::Height() const { return FFrame.Height; }

void TFrameComposite::operator()(int x, int y, std::uint8_t* bgr) const {
    std::uint8_t ground[3];
    const auto inside = [x, y](const TRectI& r) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; };
    if (FCell && inside(FCellArea)) {
        const std::uint8_t* cell = FCell->Pixels.data() +
            (std::size_t(y - FCellArea.Top) * std::size_t(FCell->Width) +
             std::size_t(x - FPlan.NumberTarget.Left + FPlan.NumberSource.Left)) * 4;
        ground[0] = cell[0], ground[1] = cell[1], ground[2] = cell[2];  // the cell's alpha is not used
    } else {
        const TColor c = inside(FPlan.PaleBox) ? TColor(FPlan.PaleBoxColour) : TColor(0xFFFFFF);
        ground[0] = std::uint8_t(c >> 16), ground[1] = std::uint8_t(c >> 8), ground[2] = std::uint8_t(c);
    }
    BlendOver(FFrame.Pixel(x, y), ground, bgr);
}

TBitmap24 ComposeFrame(const TIndexedPicture& frame, const TIndexedPicture* numberStrip, int pageNumber) {
    const TFrameComposite composite(frame, numberStrip, pageNumber);
    TBitmap24 c(composite.Width(), composite.Height());
    for (int y = 0; y < c.Height(); ++y) {
        std::uint8_t* row = c.Row(y);
        for (int x = 0; x < c.Width(); ++x) composite(x, y, row + std::size_t(x) * 3);
    }
    const TFramePaintPlan& plan = composite.Plan();
    if (plan.FloodFill) FloodFillWhite(c.Row(0), c.Width(), c.Height(), c.Stride(), plan.FloodX, plan.FloodY, plan.FloodColour);
    return c;
}

TBitmap24 PaintFrame(const TIndexedPicture* frame, const TIndexedPicture* numberStrip, int pageNumber, int width,
                     int height) {
    TBitmap24 result(width, height);
    if (!frame) {
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
