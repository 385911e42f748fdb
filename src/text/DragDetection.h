#pragma once
// Whether a press on a selected word becomes a drag: the pointer must leave a
// small rectangle around the press point no sooner than 200 ms after it, or
// the button must stay down without any input for 500 ms. Releasing a button,
// Escape, losing the mouse capture or a quit request cancels.
#include <cstdint>

class TDragDetector {
public:
    enum TState : std::uint8_t { dsWaiting, dsDrag, dsCancelled };

    static constexpr std::uint32_t MinimumMoveDelay = 200;  // ms
    static constexpr std::uint32_t StillDragDelay = 500;    // ms without input

    // halfWidth and halfHeight: the system's drag distances around (x, y).
    TDragDetector(int x, int y, int halfWidth, int halfHeight, std::uint32_t startTime);

    TState State() const { return FState; }

    // Feed the events of the wait; each returns the state after it.
    TState PointerMoved(int x, int y, std::uint32_t time);
    TState Cancelled();  // a button released, Escape, capture lost, quit
    TState OtherInput(std::uint32_t time);
    // No input since the last event; `time` is now.
    TState Idle(std::uint32_t time);
    // How long the wait may sleep before Idle must be called again.
    std::uint32_t MillisecondsUntilStill(std::uint32_t time) const;

private:
    int FLeft, FTop, FRight, FBottom;
    std::uint32_t FStart, FLastInput;
    TState FState = dsWaiting;
};
