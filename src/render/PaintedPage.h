#pragma once
// The page view's off-screen picture of its page, kept up to date from paint
// to paint. A change of the selection draws again only the view rectangles
// of the glyph shapes that changed colour (one strip a line, around the words
// that joined or left the selection), with the pixels a whole drawing gives
// them; another page, size or scale, or Invalidate, draws the whole page.
#include <cstdint>
#include <vector>

#include "render/Bitmap24.h"
#include "render/Canvas.h"

class TPage;

class TPaintedPage {
public:
    // Brings Bitmap() up to date with `page` (ClientWidth x ClientHeight) and
    // returns the view rectangles whose pixels may have changed: the whole
    // view after a whole drawing, none when nothing changed.
    const std::vector<TPixelRect>& Update(TPage& page);
    // The next Update draws the whole page.
    void Invalidate() { FWhole = true; }
    const TBitmap24& Bitmap() const { return FBitmap; }

private:
    void PaintWhole(TPage& page);

    TBitmap24 FBitmap;
    bool FWhole = true;
    const TPage* FPage = nullptr;  // the page last drawn, for comparison only
    int FPageNumber = 0;
    float FScale = 0;              // PageScale of the last drawing
    std::vector<std::uint8_t> FShapeSelected;  // Selected of each shape of ShapeList, as drawn
    std::vector<TPixelRect> FShapeBoxes;       // ShapeWorkBoxes of the page drawn
    std::vector<TPixelRect> FChanged;
};
