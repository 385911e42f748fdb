#pragma once
// Windows that open where they were last closed. While a run's places are
// attached, every window of a class that WindowPlaceKey names takes its
// remembered place when it is created (ToolWindowArgs, PlaceWindowArgs), put
// back on the monitors there are now, and gives its place back when it is
// destroyed. A new window of a kind already open cascades from the newest.
#include <windows.h>

#include <vector>

#include "base/WindowPlaces.h"
#include "base/win/Window.h"

// Attaches the run's places for as long as it lives; the places outlive it.
class TRememberedPlaces {
public:
    explicit TRememberedPlaces(TWindowPlaces& places);
    ~TRememberedPlaces();
    TRememberedPlaces(const TRememberedPlaces&) = delete;
    TRememberedPlaces& operator=(const TRememberedPlaces&) = delete;
};

// The attached places, or null.
TWindowPlaces* RememberedPlaces();
// The monitors of the virtual screen.
std::vector<TMonitorArea> MonitorAreas();

// Moves a.X, a.Y (and for a resizable window a.Width, a.Height) to the
// remembered place of a.ClassName, or a step from the newest open window of
// that class; leaves them when there is neither, or the monitor is gone.
void PlaceRemembered(TWindow::TCreateArgs& a);
// A window of the class was created: the newest of its kind.
void NoteWindowCreated(HWND window, const char16_t* className);
// The window is about to go: its place is remembered (not when minimised).
void RememberWindowPlace(HWND window);
