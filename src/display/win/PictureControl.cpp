#include "display/win/PictureControl.h"

#include "display/Canvas.h"
#include "display/Picture.h"
#include "display/PictureFit.h"
#include "display/win/GdiBlit.h"

bool TPictureControl::Create(HWND parent, const TPicture* picture, TColor background, const TControlPlace& place) {
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
    return CreateWindowFrom(a);
}

LRESULT TPictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        FCanvas.Resize(r.right, r.bottom);
        FCanvas.Fill(FBackground);
        if (FPicture) {
            TBitmapTarget target(FCanvas);
            target.DrawPicture(*FPicture, FitPictureRect(FPicture->Width, FPicture->Height, r.right, r.bottom));
        }
        BlitBitmap(dc, FCanvas, 0, 0);
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
