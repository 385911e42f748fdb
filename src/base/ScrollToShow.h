#pragma once
// Scrolling a view over taller content so that a part of it is seen.

// The first content row to show in a view `viewHeight` high, now showing
// from `position`, so that rows top to bottom (bottom exclusive) are all in
// view: moved as little as possible, and to `top` when they cannot all fit.
// The caller clamps the answer to its content.
inline int ScrollToShow(int position, int viewHeight, int top, int bottom) {
    if (bottom - top > viewHeight || top < position) return top;
    if (bottom > position + viewHeight) return bottom - viewHeight;
    return position;
}
