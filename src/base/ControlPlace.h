#pragma once
// Where a child control sits in its window: client pixels of the window's
// left-to-right design. A mirrored (Arabic) window flips them itself.
struct TControlPlace {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    int Right() const { return Left + Width; }
    int Bottom() const { return Top + Height; }
    bool operator==(const TControlPlace&) const = default;
};

// A size in pixels: a window's client area, a picture.
struct TSizeI {
    int Width = 0, Height = 0;
    bool operator==(const TSizeI&) const = default;
};
