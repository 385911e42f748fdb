#pragma once
// Held keys and buttons in the core's terms.
#include <windows.h>

#include "base/InputState.h"

// From the key and button flags of a mouse message.
inline TShiftState MouseShiftState(WPARAM flags) {
    TShiftState s = 0;
    if (flags & MK_SHIFT) s |= ssShift;
    if (flags & MK_CONTROL) s |= ssCtrl;
    if (flags & MK_LBUTTON) s |= ssLeft;
    if (flags & MK_RBUTTON) s |= ssRight;
    if (flags & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}

// The modifiers held while a key message was sent.
inline TShiftState KeyShiftState() {
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;
    return s;
}
