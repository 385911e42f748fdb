#pragma once
// Opens a web address in the user's browser (the shell's "open" verb).
#include <windows.h>

#include <string_view>

void OpenWebAddress(HWND owner, std::u16string_view address);
