#include "app/win/HeaderStripWindow.h"

#include "base/PictureResource.h"
#include "app/WindowPainting.h"
#include "render/win/GdiBlit.h"

bool THeaderStripWindow::Create(HWND parent, TPageViewWindow::THost& host) {
    FHost = &host;
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Style = WS_CHILD | WS_CLIPSIBLINGS;  // created hidden
    a.X = a.Y = 0;
    a.Width = a.Height = 1;
    a.Parent = parent;
    return CreateWindowFrom(a);
}

void THeaderStripWindow::LoadPictures(const TResourceSource& resources, std::u16string_view juzName,
                                      std::u16string_view suraName) {
    if (auto p = LoadPngResource(resources, juzName)) FJuzName = std::move(p);
    if (auto p = LoadPngResource(resources, suraName)) FSuraName = std::move(p);
}

LRESULT THeaderStripWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        RECT r;
        GetClientRect(Handle(), &r);
        FCanvas.Resize(r.right, r.bottom);
        FCanvas.Fill(0xFFFFFF);
        PaintHeaderStrip(FJuzName.get(), FSuraName.get(), FCanvas);
        BlitBitmap(dc, FCanvas, 0, 0);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;  // every pixel is painted
    case WM_MOUSEMOVE:
        if (FHost) FHost->PointerMovedOver(Handle());
        return 0;
    case WM_MOUSELEAVE:
        if (FHost) FHost->PointerLeft();
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
