#include "render/win/GdiBlit.h"

void BlitBitmap(HDC dc, const TBitmap24& bitmap, int x, int y) {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap.Width();
    info.bmiHeader.biHeight = -bitmap.Height();  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x, y, DWORD(bitmap.Width()), DWORD(bitmap.Height()), 0, 0, 0, UINT(bitmap.Height()),
                      bitmap.Row(0), &info, DIB_RGB_COLORS);
}

void BlitBitmapRects(HDC dc, const TBitmap24& bitmap, const std::vector<TPixelRect>& rects) {
    if (rects.empty()) return;
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    for (const TPixelRect& r : rects) {
        HRGN part = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
        CombineRgn(clip, clip, part, RGN_OR);
        DeleteObject(part);
    }
    const int saved = SaveDC(dc);
    ExtSelectClipRgn(dc, clip, RGN_AND);
    BlitBitmap(dc, bitmap, 0, 0);
    RestoreDC(dc, saved);
    DeleteObject(clip);
}
