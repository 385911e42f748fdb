#include "app/SizeGrip.h"

TRectI SizeGripRect(int w, int h, bool rightToLeft, TScale scale) {
    const int size = scale(SizeGripSize);
    if (rightToLeft) return {0, h - size, size, h};
    return {w - size, h - size, w, h};
}

int SizeGripHitTest(const TRectI& grip, int x, int y, bool rightToLeft) {
    if (!grip.Contains(x, y)) return 0;
    return rightToLeft ? HitBottomLeft : HitBottomRight;
}

std::uint32_t GripMidColour(std::uint32_t a, std::uint32_t b) {
    std::uint32_t mixed = 0;
    for (int shift : {0, 8, 16}) mixed |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) >> 1) << shift;
    return mixed;
}

std::vector<TGripLine> ClassicGripLines(const TRectI& grip, TScale scale) {
    const int r = grip.Right, b = grip.Bottom;
    const int unit = scale(1);
    std::vector<TGripLine> lines;
    for (auto [colour, k] : {std::pair{gcShadow, 2}, std::pair{gcMid, 3}, std::pair{gcHighlight, 4}}) {
        for (int step : {0, 4, 8}) {
            const int d = (k + step) * unit;
            lines.push_back({colour, r - d, b - 1, r, b - d - 1});
        }
    }
    return lines;
}

std::vector<TGripPixel> WinXPGripPixels(const TRectI& grip) {
    const int r = grip.Right, b = grip.Bottom;
    const int dots[6][2] = {{r - 4, b - 12}, {r - 8, b - 8}, {r - 4, b - 8},
                            {r - 12, b - 4}, {r - 8, b - 4}, {r - 4, b - 4}};
    std::vector<TGripPixel> pixels;
    for (auto [x, y] : dots) {
        pixels.push_back({gcShadow, x, y});
        pixels.push_back({gcShadow, x + 1, y});
        pixels.push_back({gcShadow, x, y + 1});
        pixels.push_back({gcMid, x + 1, y + 1});
        pixels.push_back({gcHighlight, x + 2, y + 1});
        pixels.push_back({gcHighlight, x + 1, y + 2});
        pixels.push_back({gcHighlight, x + 2, y + 2});
    }
    return pixels;
}
