#!/usr/bin/env bash
# Closing the main window while a tool window sits in a modal dialog of its
# own: the settings dialog's colour box asks the colour dialog ("Custom…"),
# and meanwhile the popup menu's Close item closes the main window. The run
# ends by itself, without a crash dialog, with exit code 0, and the settings
# file keeps what it had: nothing is read from the controls that went.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 3

field() { "$SETTINGS_TOOL" --folder "$(data_folder)" --show "$1"; }
fields() { echo "$(field language) $(field size) $(field waqf)"; }
# The popup menu, opened from the frame below the page, which the centred
# dialogs leave free.
open_menu() {
    MENU_BEFORE=$(visible_windows)
    xdotool mousemove $((X + WIDTH / 4)) $((Y + HEIGHT - 25)) click 3
    wait_until 10 "the popup menu" has_new_window "$MENU_BEFORE"
}
stored=$(fields)

open_menu
xdotool key Down Down Down Down Down Down Return  # Settings
wait_until 10 "the settings dialog" has_window_named 'الإعدادات'
S=$(window_named 'الإعدادات')
eval "$(xdotool getwindowgeometry --shell "$S" | sed 's/^/W_/')"
xdotool mousemove $((W_X + W_WIDTH / 2)) $((W_Y + 8)) click 1
wait_until 10 "the dialog to become active" pixel_is $((W_X + W_WIDTH / 2)) $((W_Y + 8)) '#3296FA'
# From the language choice: the size box, Normal/Bold, the text colour box;
# Up steps the closed box from black to its first item, the custom colour.
before=$(visible_windows)
xdotool key Tab Tab Tab Up
wait_until 10 "the colour dialog" has_new_window "$before"
screenshot colour-dialog

open_menu
xdotool key Up Return  # Close, the menu's last item
wait_until 20 "the run to end" app_ended
wait "$APP_PID" && code=0 || code=$?
[ "$code" = 0 ] || fail "the run ended with $code"
grep -qi -e 'unhandled exception' -e 'page fault' "$E2E_OUTPUT/app.log" && fail "the run crashed: $(head -c 400 "$E2E_OUTPUT/app.log")"
[ "$(fields)" = "$stored" ] || fail "the settings file became $(fields) (was $stored)"
echo "closed during the colour dialog"
