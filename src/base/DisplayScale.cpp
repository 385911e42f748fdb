#include "base/DisplayScale.h"

namespace {

// design × dpi / 96 to the nearest integer, halves away from zero.
int ScaleRounded(int design, int dpi) {
    const long long n = static_cast<long long>(design) * dpi;
    const long long half = DesignDpi / 2;
    return static_cast<int>(n >= 0 ? (n + half) / DesignDpi : -((-n + half) / DesignDpi));
}

}  // namespace

int TScale::operator()(int design) const { return ScaleRounded(design, Dpi); }

TControlPlace TScale::operator()(const TControlPlace& d) const {
    const int left = ScaleRounded(d.Left, Dpi), top = ScaleRounded(d.Top, Dpi);
    return {left, top, ScaleRounded(d.Left + d.Width, Dpi) - left, ScaleRounded(d.Top + d.Height, Dpi) - top};
}

int PointsToPixels(int points, int dpi) {
    const long long n = static_cast<long long>(points) * dpi;
    return -static_cast<int>((n + 36) / 72);
}
