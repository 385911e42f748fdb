#pragma once
// The resize grip in the bottom corner of the borderless main window: its
// rectangle, its hit test and the pixels it draws. The shell hooks the
// window's messages and draws these lines and dots with the system colours.
#include <cstdint>
#include <vector>

#include "app/MainWindowGeometry.h"
#include "base/DisplayScale.h"

enum TSizeGripStyle : std::uint8_t { sgsClassic = 0, sgsWinXP = 1 };

inline constexpr int SizeGripSize = 30;  // design pixels, scaled for the window's DPI
// Hit-test answers of the sizing borders the grip stands for.
inline constexpr int HitBottomRight = 17;
inline constexpr int HitBottomLeft = 16;

// The bottom 30 × 30 client pixels (scaled) at the right corner, or at the
// left corner under a right-to-left scroll-bar layout.
TRectI SizeGripRect(int clientWidth, int clientHeight, bool rightToLeft, TScale scale = {});

// The sizing-border code for a client point inside the grip, 0 when the point
// is outside it and the window's own hit test applies.
int SizeGripHitTest(const TRectI& grip, int x, int y, bool rightToLeft);

// The three colours of the grip: c1 button highlight, c2 button shadow, and
// c3 the per-channel mean of the window colour and c2.
enum TGripColour : std::uint8_t { gcHighlight, gcShadow, gcMid };
std::uint32_t GripMidColour(std::uint32_t windowColour, std::uint32_t shadowColour);

// A one-pixel line from (X0, Y0) towards (X1, Y1), the end point not drawn.
struct TGripLine {
    TGripColour Colour;
    int X0, Y0, X1, Y1;
    bool operator==(const TGripLine&) const = default;
};
struct TGripPixel {
    TGripColour Colour;
    int X, Y;
    bool operator==(const TGripPixel&) const = default;
};

// Classic style: three diagonal lines in each of (c2, 2), (c3, 3), (c1, 4);
// at a larger scale the lines stand as far apart as the scale and are drawn
// as many pixels wide.
std::vector<TGripLine> ClassicGripLines(const TRectI& grip, TScale scale = {});
// XP style: six dots of seven pixels each.
std::vector<TGripPixel> WinXPGripPixels(const TRectI& grip);
