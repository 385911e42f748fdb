#!/usr/bin/env bash
# Searching: Ctrl+F opens the search window; typing "286" lists one result
# (2:286); Ctrl+C on the result puts the aya's document on the clipboard; a
# double click on it opens page 49 with the aya selected; the used text is in
# the history file; Escape closes the window; Ctrl+F and the menu item each
# open a new one.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
start_display
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0
rm -f "$(data_folder)/shistory.ini"

search_window() { window_named 'البحث'; }
has_search_window() { [ -n "$(search_window)" ]; }
press ctrl+f
wait_until 10 "the search window" has_search_window
S=$(search_window)
# The client area of the 584 × 582 design inside the window's frame.
eval "$(xdotool getwindowgeometry --shell "$S" | sed 's/^/S_/')"
BORDER=$(((S_WIDTH - 584) / 2))
CLX=$((S_X + BORDER)); CLY=$((S_Y + S_HEIGHT - 582 - BORDER))
# The grid below the 104-pixel strip; its header row is 24 pixels and a line.
GX=$CLX; GY=$((CLY + 104)); GW=584; GH=$((582 - 104))
ROW1_Y=$((GY + 2 + 25 + 12))

xdotool windowfocus --sync "$S" 2>/dev/null || true
xdotool type --delay 50 286
selected_green() { count_colour "$GX" "$GY" "$GW" "$GH" '#D6E9CF'; }
# A click on the first data row selects it once the results are there.
row_selected() {
    xdotool mousemove $((GX + GW / 2)) "$ROW1_Y" click 1
    [ "$(selected_green)" -gt 1000 ]
}
wait_until 10 "a result in the first row" row_selected
screenshot search-286

# One result: End on the grid leaves the selection on the first row, so
# Ctrl+C after it copies 2:286 (with more rows it would copy the last one).
echo sentinel | xclip -selection clipboard
xdotool key --window "$S" End ctrl+c
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ "$COPYTEXT" --range 2 286 286; printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" ||
    fail "the clipboard differs from the composed aya 2:286 (see $E2E_OUTPUT)"

xdotool mousemove $((GX + GW / 2)) "$ROW1_Y" click --repeat 2 --delay 80 1
wait_until 30 "page 49 to open" stored_page_is 49

# Used twice, the text stands once in the history, as character references.
history_holds() { tr -d '\0\r' <"$(data_folder)/shistory.ini" | grep -qx 'search0=&#50;&#56;&#54;'; }
wait_until 10 "the history file" history_holds
[ "$(tr -d '\0' <"$(data_folder)/shistory.ini" | grep -c '^search')" = 1 ] || fail "the history holds more than one text"

xdotool windowfocus --sync "$S" 2>/dev/null || true
xdotool key --window "$S" Escape
search_closed() { ! has_search_window; }
wait_until 10 "the search window to close" search_closed
app_ended && fail "Escape in the search window ended the run"
# The window stood over the page: now the selected aya shows.
main_geometry
view_rect
wait_until 10 "the aya selected on page 49" green_at_least 200

# Every use of the command opens a window of its own: Ctrl+F, then the
# popup menu's search item (the third) with the first window moved aside.
press ctrl+f
wait_until 10 "a new search window" has_search_window
xdotool windowmove --sync "$(search_window)" 0 0
main_geometry
before=$(visible_windows)
xdotool mousemove $((X + WIDTH - 40)) $((Y + HEIGHT / 2)) click 3
wait_until 10 "the popup menu" has_new_window "$before"
xdotool key Down Down Down Return
search_windows() { count_windows_named 'البحث'; }
two_windows() { [ "$(search_windows)" -eq 2 ]; }
wait_until 10 "a second search window" two_windows
for w in $(windows_named 'البحث'); do
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    xdotool key --window "$w" Escape
done
wait_until 10 "both search windows to close" search_closed
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "search scenario passed"
