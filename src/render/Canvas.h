#pragma once
// The drawing surface of page rendering: paths of lines and cubic Béziers in
// integer pixel coordinates filled with a solid colour under a fill rule,
// filled rectangles, pictures scaled into a rectangle, bitmap copies. Nothing
// is smoothed. The canvas keeps the state of a device context (brush colour,
// fill mode, current point, the path being built) and hands finished pixels
// to a paint target: a bitmap, or the band recorder of anti-aliased drawing.
#include <cstdint>

#include "render/Bitmap24.h"
#include "render/PathRasterizer.h"

class TPicture;

// Pixel rectangle, right and bottom exclusive.
struct TPixelRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    void Offset(int dx, int dy) { Left += dx; Right += dx; Top += dy; Bottom += dy; }
};

// Receives the pixels of the canvas; coordinates are those of the surface,
// already clipped to [0, Width()) x [0, Height()) except for pictures, which
// the target clips itself.
class TPaintTarget {
public:
    virtual ~TPaintTarget() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void FillSpan(int y, int x0, int x1, TColor color) = 0;
    virtual void DrawPicture(const TPicture& picture, const TPixelRect& rect) = 0;
    virtual void CopyBitmap(const TBitmap24& source, int x, int y) = 0;
};

// A bitmap as paint target.
class TBitmapTarget final : public TPaintTarget {
public:
    explicit TBitmapTarget(TBitmap24& bitmap) : FBitmap(bitmap) {}
    int Width() const override { return FBitmap.Width(); }
    int Height() const override { return FBitmap.Height(); }
    void FillSpan(int y, int x0, int x1, TColor color) override;
    void DrawPicture(const TPicture& picture, const TPixelRect& rect) override;
    void CopyBitmap(const TBitmap24& source, int x, int y) override;

private:
    TBitmap24& FBitmap;
};

class TCanvas {
public:
    explicit TCanvas(TPaintTarget& target) : FTarget(target) {}

    int Width() const { return FTarget.Width(); }
    int Height() const { return FTarget.Height(); }

    void SetBrushColor(TColor color) { FBrush = color & 0xFFFFFF; }
    // 1 = alternate (even-odd), 2 = winding (non-zero); other values are
    // refused and leave the mode as it was.
    int PolyFillMode() const { return int(FFillRule); }
    void SetPolyFillMode(int mode);

    // A path collects figures between BeginPath and EndPath; FillPath closes
    // every figure, fills the path with the brush and discards it. MoveTo
    // outside a path only sets the current point.
    void BeginPath();
    void EndPath() { FInPath = false; }
    void MoveTo(TIntPoint p);
    void LineTo(TIntPoint p);
    void PolyBezierTo(TIntPoint c1, TIntPoint c2, TIntPoint end);
    void FillPath();

    void FillRect(const TPixelRect& rect);
    // Scaled into rect (nearest source pixel); a PNG picture is blended over
    // what is below by its alpha, a JPEG picture is opaque.
    void DrawPicture(const TPicture& picture, const TPixelRect& rect) {
        FTarget.DrawPicture(picture, rect);
    }
    void CopyBitmap(const TBitmap24& source, int x, int y) { FTarget.CopyBitmap(source, x, y); }

private:
    TPaintTarget& FTarget;
    TPathRasterizer FPath;
    TColor FBrush = 0xFFFFFF;
    TFillRule FFillRule = TFillRule::Alternate;
    bool FInPath = false;
    bool FHasPath = false;
};

// Draws the pixels inside `clip` (surface coordinates) of `picture` scaled
// into `rect` on a bitmap whose row 0 is surface row `bitmapTop`; columns are
// clipped to the bitmap as well. Used by both paint targets so that they
// produce the same pixels.
void DrawPictureRows(TBitmap24& bitmap, int bitmapTop, const TPicture& picture,
                     const TPixelRect& rect, const TPixelRect& clip);
