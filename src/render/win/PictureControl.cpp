#include "render/win/PictureControl.h"

#include "base/Picture.h"
#include "base/PictureFit.h"
#include "render/PictureReduction.h"
#include "render/win/GdiBlit.h"

bool TPictureControl::Create(HWND parent, const TPicture* picture, COLORREF background, const TControlPlace& place,
                             int id) {
    FPicture = picture;
    FBackground = background;
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Style = WS_CHILD | WS_VISIBLE;
    a.X = place.Left;
    a.Y = place.Top;
    a.Width = place.Width;
    a.Height = place.Height;
    a.Parent = parent;
    if (!CreateWindowFrom(a)) return false;
    SetWindowLongPtrW(Handle(), GWLP_ID, id);
    return true;
}

void TPictureControl::Paint(HDC dc) {
    RECT r;
    GetClientRect(Handle(), &r);
    HBRUSH background = CreateSolidBrush(FBackground);
    FillRect(dc, &r, background);
    DeleteObject(background);
    if (!FPicture || FPicture->Width <= 0 || FPicture->Height <= 0) return;
    const TControlPlace fit = FitPictureRect(FPicture->Width, FPicture->Height, r.right, r.bottom);
    // Reduced once for each size the control takes (a change of DPI gives a new one).
    if (FShown.Width() != fit.Width || FShown.Height() != fit.Height) {
        const TColor ground = GetRValue(FBackground) | GetGValue(FBackground) << 8 | GetBValue(FBackground) << 16;
        FShown = ReducePicture(*FPicture, fit.Width, fit.Height, ground);
    }
    BlitBitmap(dc, FShown, fit.Left, fit.Top);
}

LRESULT TPictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // every pixel is painted
    case WM_NCHITTEST:
        return HTTRANSPARENT;  // clicks and the wheel belong to the window behind
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
