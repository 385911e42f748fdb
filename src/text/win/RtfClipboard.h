#pragma once
#include <windows.h>

#include <string>

// Replaces the whole clipboard content with one block holding `rtf` and a
// NUL, under `format`. An allocation failure leaves the clipboard as it was.
void PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf);

// The finished document in the system's 8-bit code page.
std::string RtfToAnsi(const std::u16string& document);
