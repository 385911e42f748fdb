#!/usr/bin/env bash
# Tab by keyboard alone, in both languages. In the go-to-page, copy range,
# search and index windows Tab goes round every control once, in reading
# order: down the rows, and along a row from the right in Arabic, from the
# left in English; Shift+Tab goes back. In the settings window, taller than
# it shows, every control Tab or Shift+Tab reaches is scrolled into view:
# Shift+Tab from the first goes round to the last check box, at the bottom.
source "$(dirname "$0")/lib.sh"
start_display

# The foreground window's control with the keys: id left top right bottom.
focused() { wine "${TIRAVEL_WINTEXT:?}" --focus 2>/dev/null | tr -d '\r'; }
has_focus() { [ -n "$(focused)" ]; }
focus_moved() { local f; f=$(focused); [ -n "$f" ] && [ "$f" != "$1" ]; }
# tab KEY: presses KEY and waits until the control with the keys is another one.
tab() {
    local before
    before=$(focused)
    xdotool key "$1"
    wait_until 10 "$1 to move the focus from $before" focus_moved "$before"
}

# reading_order LANGUAGE: the lines of stdin (id left top right bottom, one
# Tab apart, round the whole window and back to the first) follow each other
# in reading order but once, where the round starts again. A control is
# after another on a lower row (its top at or below the other's middle), or
# on the same row towards the reading side.
reading_order() {
    awk -v rtl=$(($1 == 0)) '
        { id[NR] = $1; l[NR] = $2; t[NR] = $3; r[NR] = $4; b[NR] = $5 }
        END {
            back = 0
            for (i = 2; i <= NR; i++) {
                lower = t[i] >= (t[i-1] + b[i-1]) / 2
                same = t[i] < b[i-1] && t[i-1] < b[i]
                along = rtl ? r[i] <= l[i-1] + 2 : l[i] >= r[i-1] - 2
                if (!(lower || (same && along))) back++
            }
            exit back == 1 ? 0 : 1
        }'
}

# tab_round LANGUAGE STOPS NAME: from the control with the keys, STOPS Tabs
# come round to it again, in reading order, each control once; Shift+Tab
# goes back the same way.
tab_round() {
    local language=$1 stops=$2 name=$3 i start
    wait_until 10 "a control of the $name window with the keys" has_focus
    start=$(focused)
    : >"$E2E_OUTPUT/$name-$language.tabs"
    echo "$start" >>"$E2E_OUTPUT/$name-$language.tabs"
    for i in $(seq "$stops"); do
        tab Tab
        focused >>"$E2E_OUTPUT/$name-$language.tabs"
    done
    [ "$(focused)" = "$start" ] || fail "$stops Tabs in the $name window did not come round (see $name-$language.tabs)"
    [ "$(cut -d' ' -f1 "$E2E_OUTPUT/$name-$language.tabs" | sort -u | wc -l)" -eq "$stops" ] ||
        fail "Tab in the $name window reached a control twice (see $name-$language.tabs)"
    reading_order "$language" <"$E2E_OUTPUT/$name-$language.tabs" ||
        fail "Tab in the $name window does not follow the reading order (see $name-$language.tabs)"
    tab shift+Tab
    [ "$(focused)" = "$(sed -n "${stops}p" "$E2E_OUTPUT/$name-$language.tabs")" ] ||
        fail "Shift+Tab in the $name window did not go back"
    screenshot "$name-$language"
}
close_window() {
    xdotool key Escape
    wait_until 10 "the $2 window to close" no_window_of_class "$1"
}

# The control with the keys lies inside the settings window's client area
# (screen coordinates: the frame as wide at every side but the caption's).
settings_shows() {
    local l t r b wl wt wr wb w h cw ch side
    read -r _ l t r b <<<"$(focused)"
    read -r wl wt wr wb < <(window_places TSettingsForm | head -n 1)
    read -r w h cw ch < <(wine "${TIRAVEL_WINTEXT:?}" --size TSettingsForm 2>/dev/null | tr -d '\r')
    side=$(((w - cw) / 2))
    [ -n "${b:-}" ] && [ -n "${ch:-}" ] && [ "$t" -ge $((wb - side - ch)) ] && [ "$b" -le $((wb - side)) ] &&
        [ "$l" -ge $((wl + side)) ] && [ "$r" -le $((wr - side)) ]
}

for language in 0 1; do
    start_on_page 42 "$language"

    focus_main
    press ctrl+g
    wait_until 10 "the go-to-page window" foreground_is TGoToPageForm
    tab_round "$language" 3 go-to-page  # the box, OK, Cancel
    close_window TGoToPageForm go-to-page

    focus_main
    open_menu_item 5  # index, go to page, search, copy, copy range
    wait_until 10 "the copy range window" foreground_is TCopyRangeForm
    tab_round "$language" 5 copy-range  # the sura, both ayat, Copy, Cancel
    close_window TCopyRangeForm "copy range"

    focus_main
    press ctrl+f
    wait_until 10 "the search window" foreground_is TSearchForm
    tab_round "$language" 5 search  # the box, exact letters, whole words, the sura list, the results
    close_window TSearchForm search

    focus_main
    open_menu_item 1
    wait_until 10 "the index window" foreground_is TFahrasForm
    tab_round "$language" 2 index  # the picture button, the grid
    close_window TFahrasForm index

    focus_main
    open_menu_item 6
    wait_until 10 "the settings window" foreground_is TSettingsForm
    wait_until 10 "a control of the settings window with the keys" has_focus
    first=$(focused)
    tab shift+Tab
    wait_until 10 "the last check box scrolled into view" settings_shows
    screenshot "settings-last-focused-$language"
    for i in $(seq 20); do
        tab Tab
        settings_shows || fail "Tab $i in the settings window left the control with the keys out of view: $(focused)"
    done
    [ "$(focused | cut -d' ' -f1)" = "$(echo "$first" | cut -d' ' -f1)" ] ||
        fail "20 Tabs after Shift+Tab did not come back to the settings window's first control"
    for i in $(seq 6); do
        tab shift+Tab
        settings_shows || fail "Shift+Tab $i in the settings window left the control with the keys out of view"
    done
    screenshot "settings-citation-focused-$language"
    close_window TSettingsForm settings

    press Escape
    wait_until 30 "the run to end after Escape" app_ended
    fresh_wineserver
done
echo "keyboard tab order scenario passed"
