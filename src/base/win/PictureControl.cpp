#include "base/win/PictureControl.h"

#include "base/Picture.h"
#include "base/PictureFit.h"

bool TPictureControl::Create(HWND parent, const TPicture* picture, COLORREF background, const TControlPlace& place,
                             int id) {
    FPicture = picture;
    FBackground = background;
    if (FPicture && FPicture->Width > 0 && FPicture->Height > 0) {
        // Blended once: the background never changes under the picture.
        const std::size_t stride = (std::size_t(FPicture->Width) * 3 + 3) & ~std::size_t(3);
        FBlended.assign(stride * std::size_t(FPicture->Height), 0);
        const int back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
        for (int y = 0; y < FPicture->Height; ++y)
            for (int x = 0; x < FPicture->Width; ++x) {
                const std::uint8_t* p = &FPicture->Pixels[(std::size_t(y) * FPicture->Width + x) * 4];
                std::uint8_t* q = &FBlended[std::size_t(y) * stride + std::size_t(x) * 3];
                for (int c = 0; c < 3; ++c) q[c] = std::uint8_t((p[c] * p[3] + back[c] * (255 - p[3]) + 127) / 255);
            }
    }
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
    if (FBlended.empty()) return;
    const TControlPlace fit = FitPictureRect(FPicture->Width, FPicture->Height, r.right, r.bottom);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = FPicture->Width;
    info.bmiHeader.biHeight = -FPicture->Height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchDIBits(dc, fit.Left, fit.Top, fit.Width, fit.Height, 0, 0, FPicture->Width, FPicture->Height,
                  FBlended.data(), &info, DIB_RGB_COLORS, SRCCOPY);
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
