#pragma once
// A child control that shows one picture centred and proportional (scaled
// down to fit with the renderer's filter, never enlarged) on a plain
// background, the picture's alpha blended over it. It keeps the left-to-right layout whatever its parent's,
// so pictures are never mirrored.
#include "base/OutsideNames.h"
#include "base/win/Window.h"
#include "render/Bitmap24.h"

class TPicture;

class TPictureControl final : public TWindow {
public:
    static constexpr const char16_t* ClassName = PictureControlClassName;

    // `picture` (may be null: only the background) must outlive the control.
    bool Create(HWND parent, const TPicture* picture, COLORREF background, const TControlPlace& place, int id);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint(HDC dc);

    const TPicture* FPicture = nullptr;
    COLORREF FBackground = RGB(255, 255, 255);
    TBitmap24 FShown;  // the picture over the background at the size it is shown
};
