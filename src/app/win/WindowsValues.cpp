// The core keeps some Windows values as plain numbers so that it needs no
// <windows.h>; here the compiler ties each of them to the system's own.
#include <windows.h>

#include "base/InputState.h"
#include "app/MainForm.h"
#include "app/MainWindowGeometry.h"
#include "app/SizeGrip.h"

static_assert(vkReturn == VK_RETURN && vkEscape == VK_ESCAPE && vkLeft == VK_LEFT && vkRight == VK_RIGHT);
static_assert(HitBottomRight == HTBOTTOMRIGHT && HitBottomLeft == HTBOTTOMLEFT);
static_assert(seLeft == WMSZ_LEFT && seRight == WMSZ_RIGHT && seTop == WMSZ_TOP && seTopLeft == WMSZ_TOPLEFT &&
              seTopRight == WMSZ_TOPRIGHT && seBottom == WMSZ_BOTTOM && seBottomLeft == WMSZ_BOTTOMLEFT &&
              seBottomRight == WMSZ_BOTTOMRIGHT);
// The private messages of the main window, WM_USER + n.
static_assert(MsgZoomIn == WM_USER + 0x03 && MsgZoomOut == WM_USER + 0x04 && MsgNoEffect0406 == WM_USER + 0x06 &&
              MsgSelectPointMode == WM_USER + 0x07 && MsgZoom100 == WM_USER + 0x08 &&
              MsgDragZoomMode == WM_USER + 0x17 && MsgNoEffect0424 == WM_USER + 0x24 &&
              MsgOpenPage == WM_USER + 0x25 && MsgUpdateVersion == WM_USER + 0x26 && MsgHelp == WM_USER + 0x27);
