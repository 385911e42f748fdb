#pragma once
// The main window's own pictures as client-size bitmaps ready to blit: the
// splash before the first page, then the frame with the page number below the
// page. Every white pixel of these pictures is see-through: it is replaced by
// the window's key colour, and a picture pixel that happens to have the key
// colour is nudged off it, so exactly the white pixels become transparent.
// The strip over the page is painted here too (it has no see-through pixels).
#include <cstdint>
#include <memory>

#include "app/MainWindowGeometry.h"
#include "base/Picture.h"
#include "render/Bitmap24.h"

// The colour the window system keys out (magenta: no picture of the system uses it).
inline constexpr TColor WindowKeyColour = 0x00FF00FF;
// Shown where a picture of the window is missing.
inline constexpr TColor PlainFrameColour = 0x00F0FFFF;   // ivory
inline constexpr TColor PlainSplashColour = 0x00BBDFC5;  // the pale green of the opening pages

// The splash blended over white and reduced with the renderer's filter.
// Without a picture: the plain splash colour.
TBitmap24 PaintSplash(const TIndexedPicture* splash, int width, int height);

// The frame composite at the frame picture's own size, pixel by pixel: white,
// the pale box, the page's number cell, the frame blended over. The frame and
// the number strip are PictureSourceScale times their design size. Without a
// number strip, or one too short for the page, the cell stays empty. It is
// never held whole except on pages 1 and 2, whose white inside is filled.
class TFrameComposite {
public:
    TFrameComposite(const TIndexedPicture& frame, const TIndexedPicture* numberStrip, int pageNumber);
    int Width() const;
    int Height() const;
    const TFramePaintPlan& Plan() const { return FPlan; }
    // Pixel (x, y), 0 <= x < Width(), 0 <= y < Height(), as blue, green, red.
    void operator()(int x, int y, std::uint8_t* bgr) const;

private:
    const TIndexedPicture& FFrame;
    TFramePaintPlan FPlan;
    std::unique_ptr<TPicture> FCell;  // the page's rows of the strip, or null
    TRectI FCellArea;                 // where the cell's pixels show
};

// The whole composite, the fill of pages 1 and 2 included.
TBitmap24 ComposeFrame(const TIndexedPicture& frame, const TIndexedPicture* numberStrip, int pageNumber);

// That composite reduced over width x height with the renderer's filter, its
// white keyed out. Without a frame picture the window is plain ivory.
TBitmap24 PaintFrame(const TIndexedPicture* frame, const TIndexedPicture* numberStrip, int pageNumber, int width,
                     int height);

// White becomes `key`; pixels already of the key colour move off it by one step of blue.
void KeyOutWhite(TBitmap24& bitmap, TColor key);
// The same within `area` alone (clipped to the bitmap).
void KeyOutWhite(TBitmap24& bitmap, TColor key, const TRectI& area);

// The juz picture at the left, the sura picture flush right, both drawn into
// a three-times-larger white bitmap and reduced, then the green bottom line.
// A missing picture leaves its place white.
void PaintHeaderStrip(const TPicture* juz, const TPicture* sura, TBitmap24& strip);
