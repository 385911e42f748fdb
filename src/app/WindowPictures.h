#pragma once
// The main window's own pictures as it blits them: the splash before the
// first page, then the frame with the page's number, at the client's size.
// The last one painted is kept while the size, the phase and the page stay.
//
// The frame is never composed at its own size except for pages 1 and 2,
// whose white inside is filled: for any other page the reduction reads the
// composite pixel by pixel, and a turn between two such pages works out
// again only the window pixels that read the number cell.
#include <memory>

#include "app/WindowPainting.h"

class TResourceSource;

class TWindowPictures {
public:
    // Any picture may be null: it is drawn in its plain colour.
    TWindowPictures(std::unique_ptr<TIndexedPicture> frame, std::unique_ptr<TIndexedPicture> splash,
                    std::unique_ptr<TIndexedPicture> numberStrip);

    const TBitmap24& Splash(int width, int height);
    // The first frame frees the splash: it shows once, before the first page.
    const TBitmap24& Frame(int pageNumber, int width, int height);

private:
    enum class TShown : unsigned char { Nothing, Splash, Frame };
    std::unique_ptr<TIndexedPicture> FFrame, FSplash, FNumbers;
    TBitmap24 FPainted;
    TShown FShown = TShown::Nothing;
    int FPage = 0;
};

// The frame, splash and page-number strip of the resources; a missing or
// unreadable one is left out.
TWindowPictures LoadWindowPictures(const TResourceSource& resources);
