#pragma once
// A GDI font that frees itself: a window keeps its fonts in these, and no
// window deletes a font by hand. Move-only; converts to the HFONT it holds.
#include <windows.h>

#include <utility>

class TFontHandle {
public:
    TFontHandle() = default;
    explicit TFontHandle(HFONT font) : FFont(font) {}
    TFontHandle(TFontHandle&& other) noexcept : FFont(std::exchange(other.FFont, nullptr)) {}
    TFontHandle& operator=(TFontHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.FFont, nullptr));
        return *this;
    }
    TFontHandle(const TFontHandle&) = delete;
    TFontHandle& operator=(const TFontHandle&) = delete;
    ~TFontHandle() { Reset(); }

    HFONT Get() const { return FFont; }
    operator HFONT() const { return FFont; }
    // Frees the font held, if any, and holds `font` instead.
    void Reset(HFONT font = nullptr) {
        if (FFont && FFont != font) DeleteObject(FFont);
        FFont = font;
    }

private:
    HFONT FFont = nullptr;
};

// Every height is a character height in device pixels (negative, as
// CreateFontW takes it), scaled by the window for its DPI; sizes in points
// become pixels through PointsToPixels(points, dpi) of base/DisplayScale.h.

// The Quran font family.
TFontHandle CreateQuranFont(int height);
// The interface font of a window in that language: in Arabic the font mapper
// is asked for a face with Arabic letters.
TFontHandle CreateInterfaceFont(bool arabic, int height);
// The underlined face of links.
TFontHandle CreateLinkFont(int height);
