#pragma once
#include <windows.h>

#include <string>

// The clipboard format registered for "Rich Text Format"; 0 when it failed.
UINT RegisterRtfClipboardFormat();

// Replaces the whole clipboard content with one block holding `rtf` and a
// NUL, under `format`. An allocation failure leaves the clipboard as it was.
void PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf);

// The finished document in the system's 8-bit code page.
std::string RtfToAnsi(const std::u16string& document);
