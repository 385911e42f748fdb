#pragma once
// Copies a 24-bit bitmap of the core onto a device context as it is: its rows
// are already laid out like a top-down DIB.
#include <windows.h>

#include "render/Bitmap24.h"

void BlitBitmap(HDC dc, const TBitmap24& bitmap, int x, int y);
