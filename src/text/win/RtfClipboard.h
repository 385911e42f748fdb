#pragma once
#include <windows.h>

#include <string>

// Replaces the whole clipboard content with one block holding `rtf` and a
// NUL, under `format`. Another program may hold the clipboard open for a
// moment, so opening it is tried again for about a third of a second. False
// when the clipboard could not be opened or would not take the block: the
// caller tells the user that nothing was copied.
bool PutRtfOnClipboard(HWND owner, UINT format, const std::string& rtf);

// How often and how far apart PutRtfOnClipboard tries to open the clipboard.
inline constexpr int ClipboardOpenAttempts = 15;
inline constexpr DWORD ClipboardRetryMilliseconds = 20;

// The finished document in the system's 8-bit code page, and in the OEM code
// page (for the drag's CF_OEMTEXT); each conversion is sized by its own code
// page, whatever the document holds.
std::string RtfToAnsi(const std::u16string& document);
std::string RtfToOem(const std::u16string& document);
