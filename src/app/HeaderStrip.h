#pragma once
// The strip over the top of the page naming the juz (left) and the sura
// (right) of the page, as pictures. This is its state and arithmetic; the
// shell decodes the named pictures and draws the plan.
#include <cstdint>
#include <string>

#include "app/MainWindowGeometry.h"

// Pages with name pictures: 3 to 604.
bool HasHeaderPictures(int pageNumber);
std::u16string JuzNamePictureName(int pageNumber);  // JuzNamePicturePrefix + number
std::u16string SuraNamePictureName(int pageNumber);   // SuraNamePicturePrefix + number

class THeaderStrip {
public:
    bool Visible() const { return FVisible; }
    // The page whose pictures the strip holds; 0 before the first load.
    int PicturesPage() const { return FPicturesPage; }

    // Only for pages 3 to 604; true when the strip now holds that page's
    // pictures and the shell should load and repaint them.
    bool ShowPage(int pageNumber);

    // The pointer entered the main window: shown unless a page is opening,
    // the splash is up, or the page is 1 or 2. True when visibility changed.
    bool MouseEnteredWindow(bool pageOpening, bool drawSplash, int pageNumber);
    // The pointer left the window or the strip; it stays visible only when
    // the pointer is now inside the strip's client rectangle.
    bool MouseLeft(bool pointerInsideStrip);

private:
    bool FVisible = false;  // created hidden
    int FPicturesPage = 0;
};

// How the strip paints itself, W × H pixels: both pictures stretched into a
// work bitmap three times the size, which is reduced with the 3 × 3 mean,
// then a green line along the bottom row.
struct THeaderStripPlan {
    TRectI JuzTarget;    // in the 3W × 3H work bitmap
    TRectI SuraTarget;   // in the work bitmap, flush right
    int LineY = 0;       // bottom line from (0, LineY) up to but excluding (LineEndX, LineY)
    int LineEndX = 0;
    std::uint32_t LineColour = 0x00008000;
};
// The width of a picture scaled to height H: Round(H × iw / ih).
THeaderStripPlan HeaderStripPlan(int width, int height, int juzWidth, int juzHeight, int suraWidth,
                                 int suraHeight);
