#pragma once
// The focus marks of a window's controls (the dotted rectangle, the
// underlined access keys) show from the first key on, as the system's own
// dialogs show them; before that the system may keep them hidden.
#include <windows.h>

inline void ShowFocusMarks(HWND window) {
    SendMessageW(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}
