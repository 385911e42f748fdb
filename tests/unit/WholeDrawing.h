#pragma once
// The view as a whole drawing of the page gives it: what a partial repaint
// is compared with.
#include "pagemodel/Page.h"
#include "render/Canvas.h"
#include "render/PageRenderer.h"

inline TBitmap24 WholeDrawing(TPage& page) {
    TBitmap24 bitmap(page.ClientWidth, page.ClientHeight);
    bitmap.Fill(PageBackground);
    TBitmapTarget target(bitmap);
    TCanvas canvas(target);
    DrawAntiAlias(canvas, page);
    return bitmap;
}
