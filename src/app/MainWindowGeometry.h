#pragma once
// Window-geometry arithmetic of the main window that needs no window system.
// All sizes are device pixels of the borderless window, whose window and
// client sizes are the same. Rounding is half to even of the exact value.
#include <cstdint>

#include "base/ControlPlace.h"

// Width-to-height ratio the main window keeps (271 : 400).
inline constexpr double WindowAspect = 0.6775;
inline constexpr int MainWindowDesignWidth = 271;
inline constexpr int MainWindowDesignHeight = 400;
// The smallest window the sizing allows, applied after the aspect rule: the
// 271 × 400 design scaled for the window's DPI.
TSizeI MainWindowMinSize(int dpi);

struct TRectI {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    // Left and top inclusive, right and bottom exclusive, as the window system counts.
    bool Contains(int x, int y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    bool operator==(const TRectI&) const = default;
};

// Round half to even, as every window measure is rounded.
int RoundPixel(double value);

// A width × height rectangle centred in the work area (integer halves round down).
TRectI CentredRect(const TRectI& workArea, int width, int height);

// 80 % of the screen height, and the width that keeps the aspect.
TSizeI InitialWindowSize(int screenHeight);

// The size a remembered window opens at within a work area: its height
// (at least the minimum at `dpi` when the area allows), the width that keeps
// the aspect, both made smaller together when the width does not fit.
TSizeI RememberedWindowSize(int height, const TSizeI& workArea, int dpi);

// The sizing edges a WM_SIZING message carries.
enum TSizingEdge : int {
    seLeft = 1, seRight = 2, seTop = 3, seTopLeft = 4, seTopRight = 5, seBottom = 6, seBottomLeft = 7,
    seBottomRight = 8,
};
// Changes the proposed window rectangle so that it keeps the aspect; other
// codes leave it alone.
void KeepWindowAspect(int edge, TRectI& proposed);

// Where the page view sits: (30, 30)-(241, 370) of the 271 × 400 design,
// scaled to the window's client size.
TRectI MushafRect(int width, int height);

// The header strip keeps the ratio it gets when the window is created: about
// 4.63 % of the creation-time window height high.
double HeaderPanelAspectRatio(int createdWidth, int createdHeight);
// Its place at every layout, from the current window size and that ratio.
TRectI HeaderPanelRect(int width, int height, double aspectRatio);

// Painting of the frame and the page number below the page. All rectangles
// are pixels of the frame picture (Fw × Fh), which is then stretched over the
// client area leaving its white pixels see-through.
struct TFramePaintPlan {
    int NumberLeft = 0;             // t = Fw div 2 − 24
    TRectI PaleBox;                 // filled with PaleBoxColour behind the number
    std::uint32_t PaleBoxColour = 0;
    TRectI NumberSource;            // the page's cell in the page-number strip (49 × 45)
    TRectI NumberTarget;            // where that cell is copied, unscaled
    bool FloodFill = false;         // pages 1 and 2: the white inside the frame turns pale green
    int FloodX = 0, FloodY = 0;
    std::uint32_t FloodColour = 0;
};
inline constexpr std::uint32_t FrameTransparentColour = 0xFFFFFF;
inline constexpr int PageNumberCellHeight = 60;  // rows per page in the strip; 45 are used
TFramePaintPlan FramePaintPlan(int frameWidth, int frameHeight, int pageNumber);
// The same for a frame picture and number strip drawn `scale` times their
// design size: the design's plan with every rectangle and point scaled.
TFramePaintPlan FramePaintPlan(int frameWidth, int frameHeight, int pageNumber, int scale);

// Replaces the 4-connected region of white pixels around (x, y) with `colour`
// in a 24-bit bitmap (blue, green, red per pixel, rows `stride` bytes apart,
// top row first). Nothing happens when (x, y) is outside or not white.
void FloodFillWhite(std::uint8_t* pixels, int width, int height, std::size_t stride, int x, int y,
                    std::uint32_t colour);
