#include "Painter.h"

#include <algorithm>
#include <cmath>

#include "render/Canvas.h"
#include "render/Downsample3x.h"

namespace pictures {

namespace {
// Pixels of the work bitmap, rounded half to even like every pixel of the system.
TIntPoint Sub(TVec p, int scale) {
    return {std::int32_t(std::nearbyint(p.x * 3 * scale)), std::int32_t(std::nearbyint(p.y * 3 * scale))};
}
}  // namespace

void TRgbaImage::Paste(const TRgbaImage& src, int x, int y) {
    for (int r = 0; r < src.height; ++r) {
        const int ty = y + r;
        if (ty < 0 || ty >= height) continue;
        for (int c = 0; c < src.width; ++c) {
            const int tx = x + c;
            if (tx < 0 || tx >= width) continue;
            std::copy_n(src.At(c, r), 4, At(tx, ty));
        }
    }
}

TPainter::TPainter(int width, int height, bool withAlpha, TColour ground, int scale)
    : FWidth(width), FHeight(height), FScale(scale), FAlpha(withAlpha), FGround(ground),
      FColour(width * 3 * scale, height * 3 * scale) {
    FColour.Fill(withAlpha ? palette::kBlack : ground);
    if (withAlpha) {
        FCoverage.Resize(width * 3 * scale, height * 3 * scale);
        FCoverage.Fill(palette::kWhite);
    }
}

void TPainter::FillInto(TBitmap24& bitmap, const TVectorPath& path, TColour colour, TFillRule rule) {
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    canvas.SetBrushColor(colour);
    canvas.SetPolyFillMode(int(rule));
    canvas.BeginPath();
    for (const TVectorPath::TPiece& p : path.Pieces()) {
        switch (p.op) {
        case TVectorPath::TOp::Move: canvas.MoveTo(Sub(p.p[0], FScale)); break;
        case TVectorPath::TOp::Line: canvas.LineTo(Sub(p.p[0], FScale)); break;
        case TVectorPath::TOp::Cubic: canvas.PolyBezierTo(Sub(p.p[0], FScale), Sub(p.p[1], FScale), Sub(p.p[2], FScale)); break;
        }
    }
    canvas.EndPath();
    canvas.FillPath();
}

void TPainter::Fill(const TVectorPath& path, TColour colour, TFillRule rule) {
    if (path.Empty()) return;
    FillInto(FColour, path, colour, rule);
    if (FAlpha) FillInto(FCoverage, path, palette::kBlack, rule);
}

void TPainter::Erase(const TVectorPath& path, TFillRule rule) {
    if (path.Empty()) return;
    if (!FAlpha) {
        FillInto(FColour, path, FGround, rule);
        return;
    }
    FillInto(FColour, path, palette::kBlack, rule);
    FillInto(FCoverage, path, palette::kWhite, rule);
}

TRgbaImage TPainter::Finish() const {
    const int width = FWidth * FScale, height = FHeight * FScale;
    TBitmap24 colour(width, height);
    Downsample3x(FColour, colour);
    TBitmap24 coverage;
    if (FAlpha) {
        coverage.Resize(width, height);
        Downsample3x(FCoverage, coverage);
    }
    TRgbaImage out(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* c = colour.Row(y);
        const std::uint8_t* m = FAlpha ? coverage.Row(y) : nullptr;
        for (int x = 0; x < width; ++x, c += 3) {
            std::uint8_t* o = out.At(x, y);
            if (!FAlpha) {
                o[0] = c[2], o[1] = c[1], o[2] = c[0], o[3] = 255;
                continue;
            }
            const unsigned a = 255u - m[std::size_t(x) * 3];
            if (a == 0) {
                o[0] = o[1] = o[2] = 255, o[3] = 0;
                continue;
            }
            for (int k = 0; k < 3; ++k) o[k] = std::uint8_t(std::min(255u, (c[2 - k] * 255u + a / 2) / a));
            o[3] = std::uint8_t(a);
        }
    }
    return out;
}

} // namespace pictures
