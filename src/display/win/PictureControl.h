#pragma once
// A child control that shows one picture centred and proportional (scaled
// down to fit, never enlarged) on a plain background. It keeps the left-to-
// right layout whatever its parent's, so pictures are never mirrored.
#include "base/win/Window.h"
#include "display/Bitmap24.h"

class TPicture;

class TPictureControl final : public TWindow {
public:
    static constexpr wchar_t ClassName[] = L"TPictureControl";

    // `picture` (may be null: only the background) must outlive the control.
    bool Create(HWND parent, const TPicture* picture, TColor background, const TControlPlace& place);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    const TPicture* FPicture = nullptr;
    TColor FBackground = 0xFFFFFF;
    TBitmap24 FCanvas;
};
