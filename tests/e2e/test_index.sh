#!/usr/bin/env bash
# The index of suras from the popup menu: a double click on Ya-Sin in the
# short index opens page 440; the picture button shows the detailed index,
# which the index shows again when it is opened anew; there the header row
# leads to page 1. Escape closes the index.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 42

index_window() { window_named 'الفهرس'; }
has_index_window() { [ -n "$(index_window)" ]; }
open_index() {
    local before
    press ctrl+d  # gives the main window the focus and the keys
    main_geometry
    before=$(visible_windows)
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 3
    wait_until 10 "the popup menu" has_new_window "$before"
    xdotool key Down Return  # the first item
    wait_until 10 "the index window" has_index_window
    I=$(index_window)
    # The client area of the 502 × 598 design inside the window's frame, and
    # the grids' client area inside their 2-pixel edge below the 25-pixel strip.
    eval "$(xdotool getwindowgeometry --shell "$I" | sed 's/^/I_/')"
    local border=$(((I_WIDTH - 502) / 2))
    CLX=$((I_X + border)); CLY=$((I_Y + I_HEIGHT - 598 - border))
    GX=$((CLX + 2)); GY=$((CLY + 25 + 2))
}
double_click() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }

open_index
screenshot index-short
# Short index, right to left, columns 82 pixels and a line: column 1, row 16 is Ya-Sin.
double_click $((GX + 498 - 83 - 41)) $((GY + 16 * 30 + 14))
wait_until 30 "page 440 to open" stored_page_is 440

# The picture button, at the right of the mirrored window: the detailed index
# with its scroll bar on the left, where the short index has a white cell.
I=$(index_window)
xdotool windowfocus --sync "$I" 2>/dev/null || true
scroll_bar_shown() { ! pixel_is $((GX + 6)) $((GY + 300)) '#FFFFFF'; }
scroll_bar_shown && fail "the short index shows no cell at its left edge"
xdotool mousemove $((CLX + 502 - 5 - 9)) $((CLY + 5 + 9)) click 1
wait_until 10 "the detailed index" scroll_bar_shown
screenshot index-detailed
xdotool key --window "$I" Escape
index_closed() { ! has_index_window; }
wait_until 10 "the index to close" index_closed

# Opened again it shows the detailed index: its header row leads to page 1
# (the short index has sura 39 there).
open_index
wait_until 10 "the detailed index again" scroll_bar_shown
double_click $((GX + 16 + 260)) $((GY + 14))
wait_until 30 "page 1 to open" stored_page_is 1
app_ended && fail "the run ended"

I=$(index_window)
xdotool windowfocus --sync "$I" 2>/dev/null || true
xdotool key --window "$I" Escape
wait_until 10 "the index to close" index_closed
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "index scenario passed"
