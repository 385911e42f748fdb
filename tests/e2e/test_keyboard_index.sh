#!/usr/bin/env bash
# The index by keyboard alone, in both languages: the menu key opens the
# popup menu, Down and Enter its first item, the index; typing 36 selects
# Ya-Sin and Enter opens its first page, 440. Ctrl+Tab shows the detailed
# index, where typing 114 and Enter open page 604.
source "$(dirname "$0")/lib.sh"
start_display

index_shown() { has_window_of_class TFahrasForm; }
index_closed() { ! index_shown; }
# The index window in front with the keys (opening a page brings the main
# window forward).
focus_index() {
    local w
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [ -n "$w" ] || fail "no index window titled $1"
    xdotool windowfocus --sync "$w" 2>/dev/null || true
}
# The detailed index shows its scroll bar, grey, at the grid's left edge,
# where the short index has a white cell.
detailed_shown() {
    local l t r b
    read -r l t r b < <(window_controls TFahrasForm | awk '$2 == 0 { print $3, $4, $5, $6; exit }')
    [ -n "${b:-}" ] && ! pixel_is $((l + 8)) $(((t + b) / 2)) '#FFFFFF'
}

for language in 0 1; do
    title=$([ "$language" = 0 ] && echo 'الفهرس' || echo 'Index')
    start_on_page 42 "$language"
    focus_main
    open_menu_item 1
    wait_until 10 "the index window" index_shown
    focus_index "$title"
    xdotool key --delay 60 3 6
    screenshot "index-36-$language"
    xdotool key Return
    wait_until 30 "page 440 to open" stored_page_is 440

    focus_index "$title"
    detailed_shown && fail "the short index shows no cell at its left edge"
    xdotool key ctrl+Tab
    wait_until 10 "the detailed index" detailed_shown
    xdotool key --delay 60 1 1 4
    screenshot "index-detailed-114-$language"
    xdotool key Return
    wait_until 30 "page 604 to open" stored_page_is 604

    focus_index "$title"
    xdotool key Escape
    wait_until 10 "the index to close" index_closed
    press Escape
    wait_until 30 "the run to end after Escape" app_ended
    fresh_wineserver
done
echo "keyboard index scenario passed"
