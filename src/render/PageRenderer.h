#pragma once
// Drawing of the page model onto a canvas. The page classes hold no drawing
// code; these functions read them (and write the picture positions FrameTop
// and BasmalahTop into the lines, as the drawing places them).
//
// Page coordinates become pixels as Round(coordinate x PageScale), ties to
// even, with the page origin at the canvas's top-left pixel.
#include <vector>

#include "render/Canvas.h"

class TGlyphShape;
class TWordObject;
class TLine;
class TPage;
struct TXYPoint;

inline constexpr TColor SelectionColor = 0x008000;      // green
inline constexpr TColor AyaMarkBackground = 0xCFE9D6;   // pale green
inline constexpr TColor PageBackground = 0xFFFFFF;

// A page point in pixels at the current PageScale.
TIntPoint ToPixel(TXYPoint p);

// Fill one glyph shape: nothing when invisible or without segments; an aya
// mark first gets each contour filled pale green on its own (holes included),
// then the shape is filled in its colour, or green when selected, under its
// fill rule. These draw at the current PageScale and clear nothing first.
void Draw(TCanvas& canvas, const TGlyphShape& shape);
void Draw(TCanvas& canvas, const TWordObject& word);    // glyph shapes in order
void Draw(TCanvas& canvas, const TLine& line);         // words in order, any line type
void Draw(TCanvas& canvas, const TPage& page);     // lines 1 to 15

// Where a drawing at `s` pixels per page unit puts the page's header frames
// and basmalah pictures (those attached) on a work surface of
// workWidth x workHeight, in line order; Top is the FrameTop or BasmalahTop
// the drawing records in the line.
struct TPagePicturePlace {
    int Line;
    bool Basmalah;  // the basmalah picture; otherwise the header frame
    TPixelRect Rect;
    float Top;
};
std::vector<TPagePicturePlace> PlacePagePictures(const TPage& page, int workWidth, int workHeight, float s);

// The page's pictures and glyphs onto a work canvas three times the view's
// size (3 ClientWidth x 3 ClientHeight): PageScale is tripled for the
// drawing and restored exactly afterwards, even when drawing fails.
void DrawPageLayers(TCanvas& work, TPage& page);

// The complete anti-aliased drawing of the page onto the canvas at (0, 0):
// the page layers drawn at three times the size, reduced by 3 x 3 blocks
// (Downsample3x) to ClientWidth x ClientHeight and copied. The work surface
// is banded and kept for the next paint (see SupersampledSurface.h); the
// pixels are those of a fresh white work bitmap.
void DrawAntiAlias(TCanvas& canvas, TPage& page);

// The view pixels that drawing `shape` anti-aliased at the current PageScale
// may change, with a margin for the rounding of its points and the
// flattening of its curves; empty for a shape that draws nothing.
TPixelRect ShapeViewBox(const TGlyphShape& shape);

// The work-surface pixels each glyph shape of the page may fill when drawn
// anti-aliased at the current PageScale, in drawing order (lines, words,
// shapes); empty boxes for shapes that draw nothing.
std::vector<TPixelRect> ShapeWorkBoxes(const TPage& page);

// Draws again only the pixels of `view` (the page's ClientWidth x
// ClientHeight bitmap) inside `rects`, each exactly as DrawAntiAlias draws
// it; the other pixels stay as they are. Only the pictures and glyph shapes
// that reach a rectangle are drawn, so the cost follows the area repainted.
// `boxes`, when given, are ShapeWorkBoxes of the page at this scale.
void DrawAntiAliasRects(TBitmap24& view, TPage& page, const std::vector<TPixelRect>& rects,
                        const std::vector<TPixelRect>* boxes = nullptr);
