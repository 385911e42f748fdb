#pragma once
// The program's pictures (page frames, basmalah lines, juz and sura names,
// window frame, splash, page-number strip, about logos, index buttons) are
// drawn at this many times their design size, the size at which they appear
// at 96 DPI. Shown at any display scale up to 200 % they are reduced, never
// enlarged, so that they stay sharp.
inline constexpr int PictureSourceScale = 2;
