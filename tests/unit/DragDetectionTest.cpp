#include <gtest/gtest.h>

#include "text/DragDetection.h"

TEST(DragDetection, MovingOutOfTheRectangleStartsADragOnlyAfter200ms) {
    TDragDetector d(100, 100, 4, 4, 1000);
    EXPECT_EQ(d.PointerMoved(104, 96, 1300), TDragDetector::dsWaiting);  // on the edge: inside
    EXPECT_EQ(d.PointerMoved(110, 100, 1150), TDragDetector::dsWaiting); // outside, too soon
    EXPECT_EQ(d.PointerMoved(110, 100, 1200), TDragDetector::dsDrag);
}

TEST(DragDetection, HoldingStillForHalfASecondStartsADrag) {
    TDragDetector d(10, 10, 2, 2, 0);
    EXPECT_EQ(d.MillisecondsUntilStill(100), 400u);
    EXPECT_EQ(d.Idle(499), TDragDetector::dsWaiting);
    d.OtherInput(300);  // input restarts the still time
    EXPECT_EQ(d.Idle(799), TDragDetector::dsWaiting);
    EXPECT_EQ(d.Idle(800), TDragDetector::dsDrag);
}

TEST(DragDetection, ReleaseCancelsAndNothingRevivesIt) {
    TDragDetector d(10, 10, 2, 2, 0);
    d.PointerMoved(11, 11, 50);
    EXPECT_EQ(d.Cancelled(), TDragDetector::dsCancelled);
    EXPECT_EQ(d.PointerMoved(100, 100, 900), TDragDetector::dsCancelled);
    EXPECT_EQ(d.Idle(5000), TDragDetector::dsCancelled);
}

TEST(DragDetection, TheMillisecondClockMayWrap) {
    TDragDetector d(0, 0, 1, 1, 0xFFFFFF00u);
    EXPECT_EQ(d.PointerMoved(9, 9, 0xFFFFFF10u), TDragDetector::dsWaiting);
    EXPECT_EQ(d.PointerMoved(9, 9, 0x000000D0u), TDragDetector::dsDrag);
}
