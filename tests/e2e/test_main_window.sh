#!/usr/bin/env bash
# The main window opens as a borderless, centred 271 × 400 window titled
# "Tiravel" and the run ends on Escape.
source "$(dirname "$0")/lib.sh"
start_display
start_app
wait_until 60 "the main window" has_main_window
W=$(main_window)
eval "$(xdotool getwindowgeometry --shell "$W")"
[ "$WIDTH" = 271 ] && [ "$HEIGHT" = 400 ] || fail "window is ${WIDTH}x${HEIGHT}, not 271x400"
[ "$X" = $(((1024 - 271) / 2)) ] && [ "$Y" = $(((768 - 400) / 2)) ] || fail "window at $X,$Y is not centred"
# The window has painted once its centre is no longer the black root.
wait_until 30 "the first paint" bash -c "[ \"\$(import -window root -crop 1x1+$((X + 135))+$((Y + 200)) -depth 8 txt:- | awk 'NR==2{print \$3}')\" != '#000000' ]"
screenshot main-window
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "main window scenario passed"
