#pragma once
// Reading the items of a combo box's list.
#include <windows.h>

#include <string>

// The text of item `item`, or an empty text when there is no such item.
std::u16string ComboItemText(HWND combo, int item);
// The text of the selected item, or an empty text when none is selected.
std::u16string ComboSelectedText(HWND combo);
