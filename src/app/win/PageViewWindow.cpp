#include "app/win/PageViewWindow.h"

#include <windowsx.h>

#include "render/Canvas.h"
#include "app/MainForm.h"
#include "render/PageRenderer.h"
#include "render/win/GdiBlit.h"
#include "app/win/InputWin.h"
#include "commands/win/Cursors.h"

bool TPageViewWindow::Create(HWND parent, THost& host) {
    FHost = &host;
    TCreateArgs a;
    a.ClassName = ClassName;
    a.Style = WS_CHILD | WS_CLIPSIBLINGS;  // shown by the first page opening
    a.X = a.Y = 0;
    a.Width = a.Height = 1;
    a.Parent = parent;
    return CreateWindowFrom(a);
}

TPageViewer* TPageViewWindow::Control() { return FForm ? &FForm->Viewer() : nullptr; }

const std::vector<TPixelRect>& TPageViewWindow::Render() {
    static const std::vector<TPixelRect> none;
    TPageViewer* control = Control();
    if (!control) return none;
    return FCanvas.Update(control->Page());
}

void TPageViewWindow::PaintNow() {
    if (!Handle()) return;
    // Only what the selection changed is drawn again and copied to the screen.
    // The rest of a pending update region stays for WM_PAINT.
    const std::vector<TPixelRect>& changed = Render();
    if (changed.empty()) return;
    if (HDC dc = GetDC(Handle())) {
        BlitBitmapRects(dc, FCanvas.Bitmap(), changed);
        ReleaseDC(Handle(), dc);
    }
    for (const TPixelRect& r : changed) {
        const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
        ValidateRect(Handle(), &rect);
    }
}

void TPageViewWindow::InvalidateView() {
    FCanvas.Invalidate();
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TPageViewWindow::CursorChanged(int cursorNumber) {
    FCursor = TableCursor(cursorNumber);
    POINT p;
    if (Handle() && GetCursorPos(&p) && WindowFromPoint(p) == Handle()) SetCursor(FCursor);
}

void TPageViewWindow::TakeFocus() {
    if (Handle()) SetFocus(Handle());
}

void TPageViewWindow::EndRun() { PostQuitMessage(0); }

bool TPageViewWindow::IsCanvasPixelWhite(int x, int y) {
    const TBitmap24& bitmap = FCanvas.Bitmap();
    if (x < 0 || y < 0 || x >= bitmap.Width() || y >= bitmap.Height()) return true;
    return bitmap.Pixel(x, y) == 0xFFFFFF;
}

LRESULT TPageViewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    TPageViewer* control = Control();
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Handle(), &ps);
        Render();
        BlitBitmap(dc, FCanvas.Bitmap(), 0, 0);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return TPageViewer::EraseBackgroundResult;
    case WM_GETDLGCODE:
        return TPageViewer::DialogCodeResult;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            SetCursor(FCursor ? FCursor : TableCursor(16));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        SetCapture(Handle());
        if (control) control->MouseDown(mbLeft, MouseShiftState(wParam), x, y);
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // Nothing in the control; the right button's release opens the window's menu.
        if (control) control->MouseDown(message == WM_RBUTTONDOWN ? mbRight : mbMiddle, MouseShiftState(wParam), x, y);
        break;
    case WM_MOUSEMOVE:
        if (FHost) FHost->PointerMovedOver(Handle());
        if (control) control->MouseMove(MouseShiftState(wParam), x, y);
        return 0;
    case WM_MOUSELEAVE:
        if (FHost) FHost->PointerLeft();
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == Handle()) ReleaseCapture();
        if (control) control->MouseUp(mbLeft, MouseShiftState(wParam), x, y);
        return 0;
    case WM_KEYDOWN:
        if (control) control->KeyDown(int(wParam), KeyShiftState());
        break;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

void TPageViewWindow::DragRequested() {
    if (FHost) FHost->DragFromSelection();
}
