#pragma once
// Pictures drawn larger than they are shown, brought to their size on screen
// with the renderer's own filter: the source stretched to three times the
// target by nearest pixel, then each 3 × 3 block averaged as Downsample3x
// does. The stretch is never held: each target pixel reads its nine source
// pixels directly.
#include "render/Bitmap24.h"

class TPicture;

// `source` over all of `target`, at the target's size.
void ReduceBitmap(const TBitmap24& source, TBitmap24& target);

// `picture` (its alpha blended over `ground`) reduced to width × height.
TBitmap24 ReducePicture(const TPicture& picture, int width, int height, TColor ground);
