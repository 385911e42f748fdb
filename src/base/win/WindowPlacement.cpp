#include "base/win/WindowPlacement.h"

#include <string>
#include <utility>

#include "base/win/Dpi.h"

namespace {

TWindowPlaces* Attached = nullptr;
// The newest window of each kind created in this run.
std::vector<std::pair<std::u16string, HWND>> Newest;

TWindowPlace PlaceOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<TMonitorArea>*>(list)->push_back({PlaceOf(info.rcMonitor), PlaceOf(info.rcWork)});
    return TRUE;
}

std::u16string ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(window, name, 256);
    return FromWide(std::wstring_view(name, std::size_t(n > 0 ? n : 0)));
}

}  // namespace

TRememberedPlaces::TRememberedPlaces(TWindowPlaces& places) { Attached = &places; }
TRememberedPlaces::~TRememberedPlaces() {
    Attached = nullptr;
    Newest.clear();
}

TWindowPlaces* RememberedPlaces() { return Attached; }

std::vector<TMonitorArea> MonitorAreas() {
    std::vector<TMonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, LPARAM(&monitors));
    return monitors;
}

void PlaceRemembered(TWindow::TCreateArgs& a) {
    if (!Attached || !a.ClassName) return;
    const std::string_view key = WindowPlaceKey(a.ClassName);
    if (key.empty()) return;
    const bool resizable = (a.Style & WS_THICKFRAME) != 0;
    const std::vector<TMonitorArea> monitors = MonitorAreas();
    std::optional<TWindowPlace> place;
    for (const auto& [className, window] : Newest) {
        RECT r;
        if (className != a.ClassName || !IsWindow(window) || !IsWindowVisible(window) || IsIconic(window) ||
            !GetWindowRect(window, &r))
            continue;
        const TWindowPlace newest = PlaceOf(r);
        if (const auto monitor = MonitorOf(newest, monitors)) {
            // A caption and a frame down: the older window's title stays in sight.
            const int dpi = CreationDpi(a.Parent);
            const int step = SystemMetricForDpi(SM_CYCAPTION, dpi) + SystemMetricForDpi(SM_CYFRAME, dpi);
            place = CascadePlace({newest.Left, newest.Top, a.Width, a.Height}, step,
                                 (a.ExStyle & WS_EX_LAYOUTRTL) != 0, monitor->Work);
        }
    }
    if (!place) {
        const auto remembered = Attached->Find(key);
        if (!remembered) return;
        TWindowPlace p{remembered->Left, remembered->Top, resizable ? remembered->Width : a.Width,
                       resizable ? remembered->Height : a.Height};
        const auto monitor = MonitorOf(p, monitors);
        if (!monitor) return;  // its monitor is gone: the default place
        place = ClampToArea(p, monitor->Work);
    }
    a.X = place->Left;
    a.Y = place->Top;
    a.Width = place->Width;
    a.Height = place->Height;
}

void NoteWindowCreated(HWND window, const char16_t* className) {
    if (!Attached || !className || WindowPlaceKey(className).empty()) return;
    for (auto& [name, newest] : Newest)
        if (name == className) {
            newest = window;
            return;
        }
    Newest.emplace_back(className, window);
}

void RememberWindowPlace(HWND window) {
    if (!Attached || !window || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return;
    const std::string_view key = WindowPlaceKey(ClassOf(window));
    RECT r;
    if (key.empty() || IsIconic(window) || !GetWindowRect(window, &r)) return;
    Attached->Remember(key, PlaceOf(r));
}
