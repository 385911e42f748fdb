#pragma once
// The main window's own pictures as client-size bitmaps ready to blit: the
// splash before the first page, then the frame with the page number below the
// page. Every white pixel of these pictures is see-through: it is replaced by
// the window's key colour, and a picture pixel that happens to have the key
// colour is nudged off it, so exactly the white pixels become transparent.
// The strip over the page is painted here too (it has no see-through pixels).
#include "render/Bitmap24.h"

class TIndexedPicture;
class TPicture;

// The colour the window system keys out (magenta: no picture of the system uses it).
inline constexpr TColor WindowKeyColour = 0x00FF00FF;
// Shown where a picture of the window is missing.
inline constexpr TColor PlainFrameColour = 0x00F0FFFF;   // ivory
inline constexpr TColor PlainSplashColour = 0x00BBDFC5;  // the pale green of the opening pages

// The splash drawn three times larger over white, blended by its alpha, and
// reduced with Downsample3x. Without a picture: the plain splash colour.
TBitmap24 PaintSplash(const TPicture* splash, int width, int height);

// The frame composite at the frame picture's own size: white, the pale box,
// the page's number cell, the frame blended over, the pale fill on pages 1
// and 2. The frame and the number strip are PictureSourceScale times their
// design size. Without a number strip, or one too short for the page, the
// cell stays empty.
TBitmap24 ComposeFrame(const TPicture& frame, const TIndexedPicture* numberStrip, int pageNumber);

// That composite reduced over width x height with the renderer's filter, its
// white keyed out. Without a frame picture the window is plain ivory.
TBitmap24 PaintFrame(const TPicture* frame, const TIndexedPicture* numberStrip, int pageNumber, int width,
                     int height);

// White becomes `key`; pixels already of the key colour move off it by one step of blue.
void KeyOutWhite(TBitmap24& bitmap, TColor key);

// The juz picture at the left, the sura picture flush right, both drawn into
// a three-times-larger white bitmap and reduced, then the green bottom line.
// A missing picture leaves its place white.
void PaintHeaderStrip(const TPicture* juz, const TPicture* sura, TBitmap24& strip);
