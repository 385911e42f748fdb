#!/usr/bin/env bash
# Windows open where they were left, by keyboard alone: the settings window
# and the main window are moved with the system menu's Move and the arrows,
# closed, and the run ended; the next run opens both where they were. A
# second search window opens a step below and to the side of the first.
# A place whose monitor is gone, or a damaged one, gives the default place.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 42

settings_shown() { has_window_of_class TSettingsForm; }
settings_closed() { ! settings_shown; }
settings_place() { window_places TSettingsForm | head -n 1; }
main_place() { window_places TMainForm | head -n 1; }
# move_by_keys XWINDOW: the window's system menu, Move, six steps left and
# four down, Enter.
move_by_keys() {
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key alt+space
    xdotool key --delay 60 m Left Left Left Left Left Left Down Down Down Down Return
}
place_changed() { [ "$("$1")" != "$2" ]; }
open_settings() {
    focus_main
    open_menu_item 6  # index, go to page, search, copy, copy range, settings
    wait_until 10 "the settings window" settings_shown
}

# A place as the next run shows it: inside the screen (1024 × 768, no task bar).
on_screen() {
    local l t r b w h
    read -r l t r b <<<"$1"
    w=$((r - l)) h=$((b - t))
    l=$((l < 0 ? 0 : l > 1024 - w ? 1024 - w : l)) t=$((t < 0 ? 0 : t > 768 - h ? 768 - h : t))
    echo "$l $t $((l + w)) $((t + h))"
}

open_settings
first=$(settings_place)
move_by_keys "$(window_named 'الإعدادات')"
wait_until 10 "the settings window to move" place_changed settings_place "$first"
moved=$(settings_place)
note "settings moved from $first to $moved"
xdotool key Escape
wait_until 10 "the settings window to close" settings_closed

# Two search windows: the second a step below and towards the left (Arabic)
# of the first, which is first moved off the main window so that a click on
# the page can make the main window active again.
focus_main
press ctrl+f
wait_until 10 "a search window" has_window_of_class TSearchForm
xdotool windowmove --sync "$(window_named 'البحث')" 420 0 2>/dev/null || true
main_geometry
view_rect
xdotool mousemove $((VX + 20)) $((VY + VH / 2)) click 1
wait_until 10 "the main window in front" foreground_is TMainForm
press ctrl+f
two_searches() { [ "$(window_places TSearchForm | wc -l)" -eq 2 ]; }
wait_until 10 "a second search window" two_searches
read -r nl nt _ _ < <(window_places TSearchForm | sed -n 1p)
read -r ol ot _ _ < <(window_places TSearchForm | sed -n 2p)
[ $((nt - ot)) -gt 0 ] && [ $((ol - nl)) -eq $((nt - ot)) ] ||
    fail "the second search window is at $nl,$nt, the first at $ol,$ot"

xdotool mousemove $((VX + 20)) $((VY + VH / 2)) click 1
wait_until 10 "the main window in front again" foreground_is TMainForm
main_first=$(main_place)
move_by_keys "$(main_window)"
wait_until 10 "the main window to move" place_changed main_place "$main_first"
main_moved=$(main_place)

press Escape
wait_until 30 "the run to end after Escape" app_ended
grep -qx "WindowPlace.Settings=$(echo "$moved" | awk '{print $1 "," $2 "," $3 - $1 "," $4 - $2}')" "$(options_file)" ||
    fail "the options file does not hold the settings window's place: $(cat "$(options_file)")"

# The next run: both where they were left.
fresh_wineserver
touch -d '2000-01-01' "$(settings_file)"
start_app
wait_until 60 "the main window" has_main_window
wait_until 30 "the page to open" settings_rewritten
[ "$(main_place)" = "$(on_screen "$main_moved")" ] || fail "the main window opened at $(main_place), not $main_moved"
open_settings
[ "$(settings_place)" = "$(on_screen "$moved")" ] || fail "the settings window opened at $(settings_place), not $moved"
screenshot settings-where-left
xdotool key Escape
wait_until 10 "the settings window to close" settings_closed

# A place on a monitor that is gone, then a damaged one: the default place,
# centred on the screen.
for entry in 'WindowPlace.Settings=5000,5000,556,457' 'WindowPlace.Settings=12,x'; do
    press Escape
    wait_until 30 "the run to end" app_ended
    sed -i '/^WindowPlace\.Settings=/d' "$(options_file)"
    echo "$entry" >>"$(options_file)"
    fresh_wineserver
    touch -d '2000-01-01' "$(settings_file)"
    start_app
    wait_until 60 "the main window" has_main_window
    wait_until 30 "the page to open" settings_rewritten
    open_settings
    read -r l t r b < <(settings_place)
    [ "$l" -eq $(((1024 - (r - l)) / 2)) ] && [ "$t" -eq $(((768 - (b - t)) / 2)) ] ||
        fail "with $entry the settings window opened at $l,$t"
    xdotool key Escape
    wait_until 10 "the settings window to close" settings_closed
done
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "window places scenario passed"
