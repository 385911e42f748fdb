#!/usr/bin/env bash
# Searching as a reader searches: اسماعيل typed without its hamza finds its
# 12 ayat, with the words that hold it marked in green; "exact letters"
# finds none; back to folded letters, sura 14 picked from the list and
# ابراهيم typed find 14:35 alone, which Enter opens on page 260 with the aya
# selected. The choices are kept for the next window. And by the keyboard
# alone, in both languages: Ctrl+F, 286, Enter turns to page 49 with 2:286
# selected.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0
rm -f "$(data_folder)/shistory.ini"

# The controls of the search window (Win32 ids).
SEARCH_BOX=10 COUNTS=12 EXACT_LETTERS=13 SURA_LIST=15
TITLE='البحث'
search_window() { window_named "$TITLE"; }
has_search_window() { [ -n "$(search_window)" ]; }
search_closed() { ! has_search_window; }
counts_are() {
    local line
    line=$(control_text TSearchForm $COUNTS)
    [ "$line" = "عدد الآيات: $1   عدد السور: $2" ] || [ "$line" = "Ayah count: $1   Surah count: $2" ]
}

# keyboard_opens_286: Ctrl+F opens a window whose search box has the focus;
# 286 typed finds 2:286 alone, and Enter, with no row selected, opens it on
# page 49, the aya selected once the window is closed.
keyboard_opens_286() {
    press ctrl+f
    wait_until 10 "the search window" has_search_window
    xdotool windowfocus --sync "$(search_window)" 2>/dev/null || true
    xdotool type --delay 50 286
    wait_until 10 "the one aya 286" counts_are 1 1
    xdotool key Return
    wait_until 30 "page 49 to open" stored_page_is 49
    xdotool key --window "$(search_window)" Escape
    wait_until 10 "the search window to close" search_closed
    main_geometry
    view_rect
    wait_until 10 "2:286 selected on page 49" green_at_least 200
}
# Replaces the search box's text: the text reaches the box as a paste of the
# clipboard, which carries Arabic letters whatever the keyboard.
type_search() {
    printf '%s' "$1" | xclip -selection clipboard
    click_control TSearchForm $SEARCH_BOX
    xdotool key End shift+Home ctrl+v
}

keyboard_opens_286

press ctrl+f
wait_until 10 "the search window" has_search_window
S=$(search_window)
xdotool windowfocus --sync "$S" 2>/dev/null || true
type_search "اسماعيل"
wait_until 10 "12 ayat of 8 suras for اسماعيل" counts_are 12 8

# The grid of the 584 × 582 client area, below the strip of 104 pixels.
eval "$(xdotool getwindowgeometry --shell "$S" | sed 's/^/S_/')"
BORDER=$(((S_WIDTH - 584) / 2))
GX=$((S_X + BORDER)); GY=$((S_Y + S_HEIGHT - 582 - BORDER + 104)); GW=584; GH=$((582 - 104))
marked_in_grid() { [ "$(count_colour "$GX" "$GY" "$GW" "$GH" '#008000')" -gt 20 ]; }
wait_until 10 "the matched words marked in green" marked_in_grid
screenshot search-folded

click_control TSearchForm $EXACT_LETTERS
wait_until 10 "no aya with exact letters" counts_are 0 0
screenshot search-exact
click_control TSearchForm $EXACT_LETTERS
wait_until 10 "the 12 ayat again" counts_are 12 8

# The sura list stands three tab stops after the search box (the two check
# boxes between); on it, Home is "all suras" and each Down the next sura.
click_control TSearchForm $SEARCH_BOX
xdotool key Tab Tab Tab Home
for _ in $(seq 14); do xdotool key Down; done
sura_14() { [ "$(control_text TSearchForm $SURA_LIST)" = "14 إبراهيم" ]; }
wait_until 10 "sura 14 in the list" sura_14
wait_until 10 "the one aya of sura 14 that holds اسماعيل" counts_are 1 1
type_search "ابراهيم"
wait_until 10 "one aya of sura 14 for ابراهيم" counts_are 1 1
screenshot search-sura-14

# Enter on the selected row opens its page, 260, as a double click would.
ROW1_Y=$((GY + 2 + 25 + 12))
row_selected() { [ "$(count_colour "$GX" "$GY" "$GW" "$GH" '#D6E9CF')" -gt 1000 ]; }
xdotool mousemove $((GX + GW / 2)) "$ROW1_Y" click 1
wait_until 10 "the first row selected" row_selected
xdotool key Return
wait_until 30 "page 260 to open" stored_page_is 260

# The choices are in the history file, and a new window shows them.
ini_holds() { tr -d '\0\r' <"$(data_folder)/shistory.ini" | grep -qx "$1"; }
wait_until 10 "the sura kept" ini_holds 'sura=14'
ini_holds 'exactletters=0' || fail "the exact-letters choice is not kept"
ini_holds 'wholewords=0' || fail "the whole-words choice is not kept"
xdotool windowfocus --sync "$S" 2>/dev/null || true
xdotool key --window "$S" Escape
wait_until 10 "the search window to close" search_closed
main_geometry
view_rect
wait_until 10 "14:35 selected on page 260" green_at_least 200

press ctrl+f
wait_until 10 "a new search window" has_search_window
wait_until 10 "sura 14 remembered" sura_14
xdotool key --window "$(search_window)" Escape
wait_until 10 "the search window to close" search_closed
press Escape
wait_until 30 "the run to end after Escape" app_ended

# In English, with the choices of a first window.
rm -f "$(data_folder)/shistory.ini"
TITLE=Search
start_on_page 42 1
wait_until 10 "the page drawn without a selection" green_at_most 0
keyboard_opens_286
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "search choices scenario passed"
