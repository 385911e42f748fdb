#pragma once
// The DPI of windows and displays. The calls that give each monitor its own
// DPI came with Windows 10 (1607); they are looked up in user32 at run time,
// and where the system lacks them every window has the display's one DPI
// (LOGPIXELSY of the screen).
#include <windows.h>

// The DPI of the monitor the window is on.
int WindowDpi(HWND window);
// The DPI a new window gets: its owner's, or the system's without one.
int CreationDpi(HWND owner);
// The window size for a client rectangle at `dpi` (AdjustWindowRectExForDpi
// where the system has it).
void AdjustWindowRectForDpi(RECT& rect, DWORD style, DWORD exStyle, int dpi);
// A system metric at `dpi` (GetSystemMetricsForDpi where the system has it,
// the display's own otherwise).
int SystemMetricForDpi(int index, int dpi);
