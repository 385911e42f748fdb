#include "text/DragDetection.h"

TDragDetector::TDragDetector(int x, int y, int halfWidth, int halfHeight, std::uint32_t startTime)
    : FLeft(x - halfWidth), FTop(y - halfHeight), FRight(x + halfWidth), FBottom(y + halfHeight),
      FStart(startTime), FLastInput(startTime) {}

TDragDetector::TState TDragDetector::PointerMoved(int x, int y, std::uint32_t time) {
    if (FState != dsWaiting) return FState;
    FLastInput = time;
    const bool outside = x < FLeft || x > FRight || y < FTop || y > FBottom;
    // Unsigned differences stay right when the millisecond clock wraps.
    if (outside && time - FStart >= MinimumMoveDelay) FState = dsDrag;
    return FState;
}

TDragDetector::TState TDragDetector::Cancelled() {
    if (FState == dsWaiting) FState = dsCancelled;
    return FState;
}

TDragDetector::TState TDragDetector::OtherInput(std::uint32_t time) {
    if (FState == dsWaiting) FLastInput = time;
    return FState;
}

TDragDetector::TState TDragDetector::Idle(std::uint32_t time) {
    if (FState == dsWaiting && time - FLastInput >= StillDragDelay) FState = dsDrag;
    return FState;
}

std::uint32_t TDragDetector::MillisecondsUntilStill(std::uint32_t time) const {
    const std::uint32_t waited = time - FLastInput;
    return waited >= StillDragDelay ? 0 : StillDragDelay - waited;
}
