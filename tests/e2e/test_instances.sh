#!/usr/bin/env bash
# One instance at a time: a second start brings the first window forward and
# ends without a window of its own. The next start opens the page last shown.
source "$(dirname "$0")/lib.sh"
start_display
# capture NAME: the page view's pixels; same A B: two captures agree pixel for pixel.
capture() { import -window root -crop "${VW}x${VH}+$VX+$VY" "$E2E_OUTPUT/$1.png"; }
same() { [ "$(compare -metric AE "$E2E_OUTPUT/$1.png" "$E2E_OUTPUT/$2.png" null: 2>&1)" = 0 ]; }
export -f capture same
export VX VY VW VH E2E_OUTPUT

start_on_page 42
export VX VY VW VH
# Drawn once the capture holds ink (black text pixels).
inked() { [ "$(convert "$E2E_OUTPUT/$1.png" -format '%[fx:int(mean*w*h)]' -fill white +opaque black -negate info:)" -gt 500 ]; }
export -f inked
wait_until 10 "page 42 drawn" bash -c 'capture page-42 && inked page-42'
press Left
wait_until 20 "Left to open page 43" stored_page_is 43
wait_until 10 "page 43 drawn" bash -c 'capture first-run && ! same first-run page-42'
first=$APP_PID

before=$(visible_windows)
TIRAVEL_UPDATE_URL="$APP_UPDATE_URL" wine "$TIRAVEL_EXE" >"$E2E_OUTPUT/second.log" 2>&1 </dev/null &
second=$!
wait_until 30 "the second start to end" bash -c "! kill -0 $second 2>/dev/null"
[ "$(visible_windows)" = "$before" ] || fail "the second start changed the windows shown"
kill -0 "$first" || fail "the first run ended"
[ "$(find_windows --name '^Tiravel$' | wc -l)" = 1 ] || fail "more than one main window"

press Escape
wait_until 30 "the run to end after Escape" app_ended

touch -d '2000-01-01' "$(settings_file)"
start_app
wait_until 60 "the main window" has_main_window
wait_until 30 "the page last shown to open" settings_rewritten
stored_page_is 43 || fail "the next start opened page $(stored_page), not 43"
main_geometry
view_rect
# The same page as before the restart, pixel for pixel.
export VX VY VW VH
wait_until 10 "page 43 drawn again" bash -c 'capture second-run && same first-run second-run'
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "instances scenario passed"
