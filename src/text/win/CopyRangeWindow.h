#pragma once
#include <windows.h>

#include <functional>

#include "settings/SettingsData.h"
#include "text/CopyRangeForm.h"

// The copy range tool window. Only one exists; Show finds it again by its
// window class. Its keys reach it through IsDialogMessage in the message
// loop (Enter copies, Escape cancels). `onCopy` runs when Copy is pressed, before
// the window closes.
namespace CopyRangeWindow {
// The open copy range window, or none.
HWND Find();
void Show(HWND owner, TAppLanguge language, int preselectedSuraItem, std::function<void(TCopyRangeChoice)> onCopy);
}
