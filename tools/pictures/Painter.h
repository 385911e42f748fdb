#pragma once
// Paints a picture from filled paths with the system's own rasterizer: every
// fill goes at three times the size into a 24-bit work bitmap, and the
// finished picture is reduced with Downsample3x. Designs are drawn in design
// pixels; a painter of scale k makes a picture k times as wide and high. A picture with alpha keeps
// a second work bitmap for coverage: the colour is drawn over black and the
// coverage as black over white, so the reduced pair gives the colour
// premultiplied by its alpha.
#include "Palette.h"
#include "RgbaImage.h"
#include "VectorPath.h"
#include "render/Bitmap24.h"
#include "render/PathRasterizer.h"

namespace pictures {

class TPainter {
public:
    // Opaque over `ground`, or (withAlpha) over a see-through ground;
    // width and height in design pixels.
    TPainter(int width, int height, bool withAlpha, TColour ground = palette::kWhite, int scale = 1);

    // Design pixels.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

    void Fill(const TVectorPath& path, TColour colour, TFillRule rule = TFillRule::Winding);
    // Makes the inside of the path see-through again (alpha pictures) or
    // paints it in the ground colour (opaque ones).
    void Erase(const TVectorPath& path, TFillRule rule = TFillRule::Winding);

    // Fully see-through pixels come out white with alpha 0; the picture is
    // scale × Width() by scale × Height() pixels.
    TRgbaImage Finish() const;

private:
    void FillInto(TBitmap24& bitmap, const TVectorPath& path, TColour colour, TFillRule rule);

    int FWidth, FHeight;
    int FScale;
    bool FAlpha;
    TColour FGround;
    TBitmap24 FColour;
    TBitmap24 FCoverage;
};

} // namespace pictures
