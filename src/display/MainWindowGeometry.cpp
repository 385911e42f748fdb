#include "display/MainWindowGeometry.h"

TRectI CentredRect(const TRectI& workArea, int width, int height) {
    TRectI r;
    r.Left = workArea.Left + (workArea.Width() - width) / 2;
    r.Top = workArea.Top + (workArea.Height() - height) / 2;
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    return r;
}
