#!/usr/bin/env bash
# The main window opens as a borderless window titled "Tiravel", centred on
# the 1024 × 768 screen, 80 % of the screen height high (614) and 271 : 400
# wide (416); the run ends on Escape.
source "$(dirname "$0")/lib.sh"
start_display
write_settings 42  # a page of plain text lines
start_app
wait_until 60 "the main window" has_main_window
W=$(main_window)
eval "$(xdotool getwindowgeometry --shell "$W")"
[ "$WIDTH" = 416 ] && [ "$HEIGHT" = 614 ] || fail "window is ${WIDTH}x${HEIGHT}, not 416x614"
[ "$X" = $(((1024 - 416) / 2)) ] && [ "$Y" = $(((768 - 614) / 2)) ] || fail "window at $X,$Y is not centred"
# The window has painted once its centre is no longer the black root.
wait_until 30 "the first paint" bash -c "[ \"\$(import -window root -crop 1x1+$((X + 208))+$((Y + 307)) -depth 8 txt:- | awk 'NR==2{print \$3}')\" != '#000000' ]"
screenshot main-window
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "main window scenario passed"
