#!/usr/bin/env bash
# Help, Website and About from the popup menu. Help and the help message of
# the main window (0x0427, as the settings dialog posts it) hand the help page
# to the browser, Website the product site. About shows the about window with
# the running version 2.6 in its rights text; About again brings that same
# window forward instead of a second one; scrolled to its end, its two links
# hand the maker's and the developer's sites to the browser, clicked or
# reached with Tab and opened with Enter or Space; Escape closes it.
source "$(dirname "$0")/lib.sh"
require_resource AboutBasmalaPNG
start_display
record_browser
# As the table of addresses gives them.
PRODUCT_SITE=https://tiravel.app HELP=https://tiravel.app/app/
MAKER_SITE=https://corvaneschool.org DEVELOPER_SITE=https://dev.tiravel.app
start_on_page 1

# menu_item N: the popup menu's Nth command (separators are skipped; Copy,
# disabled without a selection, still counts).
menu_item() {
    local before
    before=$(visible_windows)
    xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2))
    xdotool click 3
    wait_until 10 "the popup menu" has_new_window "$before"
    xdotool key $(printf 'Down %.0s' $(seq "$1")) Return
}
browser_calls() { wc -l <"$BROWSER_LOG"; }

menu_item 7  # Help
wait_until 20 "Help to reach the browser" browser_got "$HELP"
post_to_window TMainForm $((0x0427)) || fail "cannot post the help message"
help_twice() { [ "$(grep -cxF "$HELP" "$BROWSER_LOG")" -ge 2 ]; }
wait_until 20 "the help message to reach the browser" help_twice
menu_item 8  # Website
wait_until 20 "Website to reach the browser" browser_got "$PRODUCT_SITE"
[ "$(browser_calls)" -eq 3 ] || fail "the browser was asked $(browser_calls) times: $(cat "$BROWSER_LOG")"

about_windows() { windows_named 'حول التطبيق'; }
menu_item 9  # About
wait_until 20 "the about window" has_window_of_class TAboutForm
A=$(about_windows)
[ "$(echo "$A" | wc -l)" -eq 1 ] || fail "more than one about window: $A"
rights=$(control_text TAboutForm 203)
first_line=${rights%%\\n*}
[[ "$first_line" == *" 2.6"* ]] || fail "the rights text begins: $first_line"
[[ "$rights" != *'***'* ]] || fail "the rights text keeps its placeholder: $rights"
screenshot about-top

# The about window moved off the main window, the main window made active by
# a click, then About: the same window comes to the front.
xdotool windowmove --sync "$A" 0 0 2>/dev/null || true
xdotool mousemove $((VX + VW * 3 / 4)) $((VY + VH / 2)) click 1  # selects a word there
wait_until 10 "a click to make the main window active" foreground_is TMainForm
menu_item 9
wait_until 10 "the about window to come forward" foreground_is TAboutForm
[ "$(about_windows)" = "$A" ] || fail "About again made another window: $(about_windows)"
[ "$(window_controls TAboutForm | awk '$1 != 0' | wc -l)" -eq 0 ] || fail "two about windows exist"

# Page Down brings the credits up; scrolled to the end both links are in view.
eval "$(xdotool getwindowgeometry --shell "$A" | sed 's/^/ABOUT_/')"
# control_top_within ID LOW HIGH: the control's top edge on screen lies in [LOW, HIGH].
control_top_within() {
    window_controls TAboutForm | awk -v id="$1" -v low="$2" -v high="$3" \
        '$1 == 0 && $2 == id && $4 >= low && $4 <= high { f = 1 } END { exit !f }'
}
xdotool windowfocus --sync "$A" 2>/dev/null || true
xdotool key --window "$A" Next
wait_until 10 "Page Down to bring the credits up" control_top_within 204 $((ABOUT_Y - 100)) $((ABOUT_Y + 100))
screenshot about-middle
xdotool key --window "$A" End
wait_until 10 "End to scroll the maker's link into view" control_top_within 205 "$ABOUT_Y" $((ABOUT_Y + ABOUT_HEIGHT))
wait_until 10 "End to scroll the developer's link into view" control_top_within 209 "$ABOUT_Y" $((ABOUT_Y + ABOUT_HEIGHT))
screenshot about-end
click_control TAboutForm 205
wait_until 20 "the maker's link to reach the browser" browser_got "$MAKER_SITE"
click_control TAboutForm 209
wait_until 20 "the developer's link to reach the browser" browser_got "$DEVELOPER_SITE"

# By keyboard: Home scrolls back to the top; Tab takes the focus from the
# developer's link (the click gave it the focus) round to the maker's and
# scrolls it into view; Enter opens it, and Space the developer's after
# another Tab.
xdotool windowfocus --sync "$A" 2>/dev/null || true
xdotool key --window "$A" Home
maker_link_hidden() { ! control_top_within 205 "$ABOUT_Y" $((ABOUT_Y + ABOUT_HEIGHT)); }
wait_until 10 "Home to scroll the links out of view" maker_link_hidden
xdotool key --window "$A" Tab
wait_until 10 "Tab to scroll the maker's link into view" control_top_within 205 "$ABOUT_Y" $((ABOUT_Y + ABOUT_HEIGHT))
screenshot about-maker-link-focused
xdotool key --window "$A" Return
opened_twice() { [ "$(grep -cxF -e "$1" -e "$1/" "$BROWSER_LOG")" -ge 2 ]; }
wait_until 20 "Enter on the maker's link to reach the browser" opened_twice "$MAKER_SITE"
xdotool key --window "$A" Tab space
wait_until 20 "Space on the developer's link to reach the browser" opened_twice "$DEVELOPER_SITE"

xdotool windowfocus --sync "$A" 2>/dev/null || true
xdotool key --window "$A" Escape
wait_until 20 "Escape to close the about window" no_window_of_class TAboutForm
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "about and help scenario passed"
