#!/usr/bin/env bash
# The index by keyboard alone, in both languages: the menu key opens the
# popup menu, Down and Enter its first item, the index; typing 36 selects
# Ya-Sin and Enter opens its first page, 440. Ctrl+Tab shows the detailed
# index, where typing 114 and Enter open page 604.
source "$(dirname "$0")/lib.sh"
start_display

index_shown() { has_window_of_class TFahrasForm; }
index_closed() { ! index_shown; }
index_in_front() { foreground_is TFahrasForm; }
# The index from the popup menu: its first item. An index already open comes
# to the front with the keys where they were.
open_index() {
    focus_main
    open_menu_item 1
    wait_until 10 "the index window in front" index_in_front
}
# The detailed index shows its scroll bar, grey, at the grid's left edge,
# where the short index has a white cell.
detailed_shown() {
    local l t r b
    read -r l t r b < <(window_controls TFahrasForm | awk '$2 == 0 { print $3, $4, $5, $6; exit }')
    [ -n "${b:-}" ] && ! pixel_is $((l + 8)) $(((t + b) / 2)) '#FFFFFF'
}

for language in 0 1; do
    start_on_page 42 "$language"
    open_index
    xdotool key --delay 60 3 6
    screenshot "index-36-$language"
    xdotool key Return
    wait_until 30 "page 440 to open" stored_page_is 440

    # Opening a page brings the main window forward; the menu brings the index back.
    open_index
    detailed_shown && fail "the short index shows no cell at its left edge"
    xdotool key ctrl+Tab
    wait_until 10 "the detailed index" detailed_shown
    xdotool key --delay 60 1 1 4
    screenshot "index-detailed-114-$language"
    xdotool key Return
    wait_until 30 "page 604 to open" stored_page_is 604

    open_index
    xdotool key Escape
    wait_until 10 "the index to close" index_closed
    press Escape
    wait_until 30 "the run to end after Escape" app_ended
    fresh_wineserver
done
echo "keyboard index scenario passed"
