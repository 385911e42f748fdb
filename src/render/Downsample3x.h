#pragma once
// Reduction of a bitmap drawn at three times the size: every target pixel is
// the truncated mean of its 3 x 3 block of source pixels, channel by channel.
#include <cstdint>

#include "render/Bitmap24.h"

// The source must be at least three times as wide and as high as the target;
// otherwise only the part of the target the source covers is written.
void Downsample3x(const TBitmap24& source, TBitmap24& target);

// Target pixels [x0, x1) of one row from the three source rows under it.
void Downsample3xRow(const std::uint8_t* row0, const std::uint8_t* row1, const std::uint8_t* row2,
                     std::uint8_t* target, int x0, int x1);
