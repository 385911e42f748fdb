#pragma once
// Copies a 24-bit bitmap of the core onto a device context as it is: its rows
// are already laid out like a top-down DIB.
#include <windows.h>

#include <vector>

#include "render/Bitmap24.h"
#include "render/Canvas.h"

void BlitBitmap(HDC dc, const TBitmap24& bitmap, int x, int y);
// Only the rectangles of the bitmap (placed at 0, 0), in one copy clipped to them.
void BlitBitmapRects(HDC dc, const TBitmap24& bitmap, const std::vector<TPixelRect>& rects);
