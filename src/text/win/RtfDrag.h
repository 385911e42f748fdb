#pragma once
#include <windows.h>

#include <string>

// Waits, with the mouse captured by `view`, until a press on a selected word
// turns into a drag or is given up; true for a drag.
bool DetectDrag(HWND view);

// Runs an OLE drag of the document until it is dropped or cancelled. The data
// object offers the document as Unicode, 8-bit and OEM text, the thread's
// locale, and as "Rich Text Format" (`rtfFormat`).
void RunRtfDrag(const std::u16string& rtf, UINT rtfFormat);
