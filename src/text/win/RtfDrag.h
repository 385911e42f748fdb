#pragma once
#include <windows.h>

#include <string>

// Waits, with the mouse captured by `view`, until a press on a selected word
// turns into a drag or is given up; true for a drag.
bool DetectDrag(HWND view);

struct TClipboardDocument;

// Runs an OLE drag of the document until it is dropped or cancelled. The data
// object offers Unicode, 8-bit and OEM text (the plain text when the document
// has one, else the Rich Text markup itself), the thread's locale, the Rich
// Text as "Rich Text Format" (`rtfFormat`), and the HTML when it has one.
void RunRtfDrag(const TClipboardDocument& document, UINT rtfFormat);
