#pragma once
// The popup menu of the main window built from the core's model each time it
// opens: captions, greyed copy item, and in Arabic the right-to-left reading
// order with the menu hanging to the left of the pointer.
#include <windows.h>

class TPopupMenuModel;

// Shows the menu at a screen point and answers the chosen command id, 0 for none.
UINT TrackPopupMenuModel(HWND owner, const TPopupMenuModel& model, int screenX, int screenY);
