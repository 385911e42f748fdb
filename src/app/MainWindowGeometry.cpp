#include "app/MainWindowGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "base/DisplayScale.h"

int RoundPixel(double value) {
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

TSizeI MainWindowMinSize(int dpi) {
    const TScale scale{dpi};
    return {scale(MainWindowDesignWidth), scale(MainWindowDesignHeight)};
}

TRectI CentredRect(const TRectI& workArea, int width, int height) {
    TRectI r;
    r.Left = workArea.Left + (workArea.Width() - width) / 2;
    r.Top = workArea.Top + (workArea.Height() - height) / 2;
    r.Right = r.Left + width;
    r.Bottom = r.Top + height;
    return r;
}

TSizeI InitialWindowSize(int screenHeight) {
    const int h = RoundPixel(screenHeight * 80.0 / 100.0);
    return {RoundPixel(h * WindowAspect), h};
}

TSizeI RememberedWindowSize(int height, const TSizeI& work, int dpi) {
    int h = std::min(std::max(height, MainWindowMinSize(dpi).Height), work.Height);
    int w = RoundPixel(h * WindowAspect);
    if (w > work.Width) {
        w = work.Width;
        h = RoundPixel(w / WindowAspect);
    }
    return {w, h};
}

void KeepWindowAspect(int edge, TRectI& r) {
    switch (edge) {
    case seLeft: case seRight: case seBottomLeft:  // the width leads
        r.Bottom = r.Top + RoundPixel((r.Right - r.Left) / WindowAspect);
        break;
    case seTop: case seTopRight: case seBottom: case seBottomRight:  // the height leads
        r.Right = r.Left + RoundPixel((r.Bottom - r.Top) * WindowAspect);
        break;
    case seTopLeft:  // the top edge follows
        r.Top = r.Bottom - RoundPixel((r.Right - r.Left) / WindowAspect);
        break;
    default:
        break;
    }
}

TRectI MushafRect(int w, int h) {
    return {RoundPixel(w / 271.0 * 30), RoundPixel(h / 400.0 * 30), RoundPixel(w / 271.0 * 241),
            RoundPixel(h / 400.0 * 370)};
}

namespace {
int HeaderGap(int width) { return RoundPixel(width / 271.0 * 18); }
}  // namespace

double HeaderPanelAspectRatio(int w0, int h0) {
    const int g0 = HeaderGap(w0);
    return (w0 - g0 - 5) / (h0 * 4.62962962962963 / 100);
}

TRectI HeaderPanelRect(int w, int h, double aspectRatio) {
    const int g = HeaderGap(w);
    TRectI r;
    r.Left = g + 5;
    r.Top = RoundPixel(h / 400.0 * 18) + 1;
    r.Right = r.Left + (w - 2 * (g + 5));
    r.Bottom = r.Top + RoundPixel((w - g - 5) / aspectRatio);
    return r;
}

TFramePaintPlan FramePaintPlan(int fw, int fh, int p) {
    TFramePaintPlan plan;
    const int t = fw / 2 - 24;
    plan.NumberLeft = t;
    plan.PaleBox = {t - 30, fh - 65, t + 79, fh - 20};
    plan.PaleBoxColour = 0x00B4DCC0;
    plan.NumberSource = {0, (p - 1) * PageNumberCellHeight, 49, p * PageNumberCellHeight - 15};
    plan.NumberTarget = {t, fh - 65, t + 49, fh - 20};
    plan.FloodFill = p == 1 || p == 2;
    plan.FloodX = 100;
    plan.FloodY = 100;
    plan.FloodColour = 0x00BBDFC5;
    return plan;
}

TFramePaintPlan FramePaintPlan(int fw, int fh, int p, int scale) {
    if (scale <= 1) return FramePaintPlan(fw, fh, p);
    TFramePaintPlan plan = FramePaintPlan(fw / scale, fh / scale, p);
    auto grow = [scale](TRectI& r) {
        r = {r.Left * scale, r.Top * scale, r.Right * scale, r.Bottom * scale};
    };
    plan.NumberLeft *= scale;
    grow(plan.PaleBox);
    grow(plan.NumberSource);
    grow(plan.NumberTarget);
    plan.FloodX *= scale;
    plan.FloodY *= scale;
    return plan;
}

void FloodFillWhite(std::uint8_t* pixels, int width, int height, std::size_t stride, int x, int y,
                    std::uint32_t colour) {
    auto at = [&](int px, int py) { return pixels + std::size_t(py) * stride + std::size_t(px) * 3; };
    auto isWhite = [&](int px, int py) {
        const std::uint8_t* q = at(px, py);
        return q[0] == 0xFF && q[1] == 0xFF && q[2] == 0xFF;
    };
    const std::uint8_t b = std::uint8_t(colour >> 16), g = std::uint8_t(colour >> 8), r = std::uint8_t(colour);
    if (x < 0 || y < 0 || x >= width || y >= height || !isWhite(x, y)) return;
    // A white fill colour would never stop; the region is already that colour.
    if (b == 0xFF && g == 0xFF && r == 0xFF) return;
    // Scanline fill with an explicit stack: a whole white run is filled at
    // once, and the rows above and below are searched for new runs.
    std::vector<std::pair<int, int>> stack{{x, y}};
    while (!stack.empty()) {
        auto [sx, sy] = stack.back();
        stack.pop_back();
        if (!isWhite(sx, sy)) continue;
        int left = sx, right = sx;
        while (left > 0 && isWhite(left - 1, sy)) --left;
        while (right + 1 < width && isWhite(right + 1, sy)) ++right;
        for (int px = left; px <= right; ++px) {
            std::uint8_t* q = at(px, sy);
            q[0] = b, q[1] = g, q[2] = r;
        }
        for (int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= height) continue;
            bool inRun = false;
            for (int px = left; px <= right; ++px) {
                const bool white = isWhite(px, ny);
                if (white && !inRun) stack.emplace_back(px, ny);
                inRun = white;
            }
        }
    }
}
