#include "base/win/Dpi.h"

namespace {

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetDpiForSystem = UINT(WINAPI*)();
using TAdjustWindowRectExForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);

// user32 is loaded in every process with windows; its calls stay valid.
template <typename T>
T User32Call(const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int SystemDpi() {
    static const auto getDpiForSystem = User32Call<TGetDpiForSystem>("GetDpiForSystem");
    if (getDpiForSystem) return int(getDpiForSystem());
    return ScreenDpi();
}

}  // namespace

int WindowDpi(HWND window) {
    static const auto getDpiForWindow = User32Call<TGetDpiForWindow>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return int(dpi);
    }
    return SystemDpi();
}

int CreationDpi(HWND owner) { return owner ? WindowDpi(owner) : SystemDpi(); }

void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi) {
    static const auto adjust = User32Call<TAdjustWindowRectExForDpi>("AdjustWindowRectExForDpi");
    if (adjust && adjust(&rect, style, FALSE, exStyle, UINT(dpi))) return;
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
}

int SystemMetricForDpi(int index, int dpi) {
    static const auto metric = User32Call<TGetSystemMetricsForDpi>("GetSystemMetricsForDpi");
    if (metric) return metric(index, UINT(dpi));
    return GetSystemMetrics(index);
}
