#pragma once
// Window-geometry arithmetic of the main window that needs no window system.

// Width-to-height ratio the main window keeps (271 : 400).
inline constexpr double WindowAspect = 0.6775;
inline constexpr int MainWindowDesignWidth = 271;
inline constexpr int MainWindowDesignHeight = 400;

struct TRectI {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// A width × height rectangle centred in the work area (integer halves round down).
TRectI CentredRect(const TRectI& workArea, int width, int height);
