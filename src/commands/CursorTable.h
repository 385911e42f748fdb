#pragma once
#include "base/OutsideNames.h"
// The custom cursors of the system: cursor resources of the executable,
// loaded by name at start-up in the order 10 to 17 and used by number.
#include <array>

enum TCursorNumber : int {
    crHandFull = 10,    // main window (over the frame); view in drag mode
    crHandHold = 11,    // registered, unused
    crHandPoint = 12,   // registered, unused
    crZoomIn = 13,
    crZoomOut = 14,
    crSelectRect = 15,  // view, set through its rectangle-selection mode operation
    crSelectPoint = 16, // view as created, and point-selection mode
    crDragZoom = 17,
};

struct TCursorEntry {
    int Number;
    const char16_t* ResourceName;
};

inline constexpr std::array<TCursorEntry, 8> CursorTable{{
    {crHandFull, HandFullCursor},
    {crHandHold, HandHoldCursor},
    {crHandPoint, HandPointCursor},
    {crZoomIn, ZoomInCursor},
    {crZoomOut, ZoomOutCursor},
    {crSelectRect, SelectRectCursor},
    {crSelectPoint, SelectPointCursor},
    {crDragZoom, DragZoomCursor},
}};
