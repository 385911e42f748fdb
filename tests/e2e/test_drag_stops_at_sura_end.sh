#!/usr/bin/env bash
# A drag never crosses into a second sura: on page 604, dragging from the
# first word of sura 112 (line 3) into sura 113 (line 8) selects exactly what
# Ctrl+A selects there (the page's first sura, 112) and nothing below it.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 604
wait_until 10 "the page drawn without a selection" green_at_most 0

# The middle of the page view's text line k (15 lines over its height).
page_rect
line_y() { echo $((PY + PH * (2 * $1 - 1) / 30)); }
green_below_sura_112() { count_colour "$PX" $((PY + PH * 4 / 15 + 2)) "$PW" $((PH - PH * 4 / 15 - 2)) '#008000'; }

press ctrl+a
wait_until 10 "Ctrl+A to select sura 112" green_at_least 20
whole_sura=$(green_in_view)  # below the header strip, which a move shows
press ctrl+d
wait_until 10 "Ctrl+D to clear the selection" green_at_most 0
sura_112_selected() { [ "$(green_in_view)" = "$whole_sura" ]; }

# Moves queued together reach the window as one; the pauses keep them apart.
# The first move of a drag is its anchor, so it stays on the first word.
xdotool mousemove $((PX + PW * 97 / 100)) "$(line_y 3)" mousedown 1
sleep 0.2
xdotool mousemove $((PX + PW * 97 / 100 - 2)) "$(line_y 3)"
for k in 4 6 8; do
    sleep 0.2
    xdotool mousemove $((PX + PW / 2)) "$(line_y $k)"
done
sleep 0.2
xdotool mouseup 1
wait_until 10 "the drag to select sura 112 as Ctrl+A does" sura_112_selected
screenshot drag-to-sura-113
[ "$(green_below_sura_112)" = 0 ] || fail "the drag selected words below sura 112"

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "sura boundary drag scenario passed"
