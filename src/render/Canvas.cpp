#include "render/Canvas.h"

#include <algorithm>
#include <vector>

#include "base/Picture.h"

void TBitmapTarget::FillSpan(int y, int x0, int x1, TColor color) {
    FillRowSpan(FBitmap.Row(y), x0, x1, color);
}

void TBitmapTarget::DrawPicture(const TPicture& picture, const TPixelRect& rect) {
    DrawPictureRows(FBitmap, 0, picture, rect, {0, 0, FBitmap.Width(), FBitmap.Height()});
}

void TBitmapTarget::CopyBitmap(const TBitmap24& source, int x, int y) {
    ::CopyBitmap(source, FBitmap, x, y);
}

void TCanvas::SetPolyFillMode(int mode) {
    if (mode == 1) FFillRule = TFillRule::Alternate;
    if (mode == 2) FFillRule = TFillRule::Winding;
}

void TCanvas::BeginPath() {
    FPath.Clear();
    FInPath = true;
    FHasPath = true;
}

void TCanvas::MoveTo(TIntPoint p) {
    if (FInPath) {
        FPath.MoveTo(p);
    } else {
        // Only the current point: a figure starts there when a path begins.
        FPath.Clear();
        FPath.MoveTo(p);
        FPath.Clear();
        FHasPath = false;
    }
}

void TCanvas::LineTo(TIntPoint p) {
    if (FInPath) FPath.LineTo(p);
}

void TCanvas::PolyBezierTo(TIntPoint c1, TIntPoint c2, TIntPoint end) {
    if (FInPath) FPath.BezierTo(c1, c2, end);
}

void TCanvas::FillPath() {
    if (!FHasPath) return;
    FInPath = false;
    FHasPath = false;
    const TColor color = FBrush;
    FPath.Fill(FFillRule, Width(), 0, Height(),
               [&](int y, int x0, int x1) { FTarget.FillSpan(y, x0, x1, color); });
    FPath.Clear();
}

void TCanvas::FillRect(const TPixelRect& rect) {
    const int x0 = std::max(rect.Left, 0), x1 = std::min(rect.Right, Width());
    const int y0 = std::max(rect.Top, 0), y1 = std::min(rect.Bottom, Height());
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y) FTarget.FillSpan(y, x0, x1, FBrush);
}

void DrawPictureRows(TBitmap24& bitmap, int bitmapTop, const TPicture& picture,
                     const TPixelRect& rect, const TPixelRect& clip) {
    const int rw = rect.Right - rect.Left, rh = rect.Bottom - rect.Top;
    const int w = picture.Width, h = picture.Height;
    if (rw <= 0 || rh <= 0 || w <= 0 || h <= 0 ||
        picture.Pixels.size() < std::size_t(w) * std::size_t(h) * 4)
        return;
    const int x0 = std::max({rect.Left, clip.Left, 0}), x1 = std::min({rect.Right, clip.Right, bitmap.Width()});
    const int y0 = std::max({rect.Top, clip.Top, bitmapTop});
    const int y1 = std::min({rect.Bottom, clip.Bottom, bitmapTop + bitmap.Height()});
    if (x0 >= x1 || y0 >= y1) return;

    // Nearest source pixel to each target pixel centre.
    std::vector<int> sourceX(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x)
        sourceX[std::size_t(x - x0)] =
            int((2 * std::int64_t(x - rect.Left) + 1) * w / (2 * std::int64_t(rw)));
    const bool blend = picture.Kind == TPicture::TKind::Png;
    for (int y = y0; y < y1; ++y) {
        const int sy = int((2 * std::int64_t(y - rect.Top) + 1) * h / (2 * std::int64_t(rh)));
        const std::uint8_t* src = picture.Pixels.data() + std::size_t(sy) * std::size_t(w) * 4;
        std::uint8_t* dst = bitmap.Row(y - bitmapTop) + std::size_t(x0) * 3;
        for (int x = x0; x < x1; ++x, dst += 3) {
            const std::uint8_t* s = src + std::size_t(sourceX[std::size_t(x - x0)]) * 4;
            const unsigned a = blend ? s[3] : 255;
            if (a == 255) {
                dst[0] = s[0];
                dst[1] = s[1];
                dst[2] = s[2];
            } else if (a != 0) {
                for (int c = 0; c < 3; ++c)
                    dst[c] = std::uint8_t((s[c] * a + dst[c] * (255 - a) + 127) / 255);
            }
        }
    }
}
