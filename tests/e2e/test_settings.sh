#!/usr/bin/env bash
# The settings dialog, opened from the popup menu. Switching to English is
# saved at once and the next popup menu opens left to right; letters typed
# into a size box are dropped; a new waqf colour
# reaches the colour table of the next copy; Save As writes a profile and the
# caption names it; after another colour change, Open brings the profile's
# colour back. A second Settings command shows the same dialog; Escape closes it.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 3  # sura 2, ayat 6 to 16: waqf signs U+06D6 in ayat 7 and 10
wait_until 10 "the page drawn without a selection" green_at_most 0

# A field of the settings file, read as the program reads it.
field() { "$SETTINGS_TOOL" --folder "$(data_folder)" --show "$1"; }
field_is() { [ "$(field "$1")" = "$2" ]; }
# Opens the popup menu from the frame below the page, which the dialog
# (centred on the screen) leaves free; the menu's geometry is in MENU_*.
open_menu() {
    MENU_BEFORE=$(visible_windows)
    MX=$((X + WIDTH / 4)); MY=$((Y + HEIGHT - 25))
    xdotool mousemove "$MX" "$MY" click 3
    wait_until 10 "the popup menu" has_new_window "$MENU_BEFORE"
    eval "$(xdotool getwindowgeometry --shell "$(new_window "$MENU_BEFORE")" | sed 's/^/MENU_/')"
}
menu_closed() { [ "$(visible_windows)" = "$MENU_BEFORE" ]; }
# Index, go to page, search, copy, copy range, settings: the separator is skipped.
open_settings() { open_menu; xdotool key Down Down Down Down Down Down Return; }
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# Makes the dialog W the active window for the keys that follow: a click on
# its caption, then the caption shows the active colour. (The keyboard focus
# alone may reach the X window before Wine has activated it.)
activate() {
    local cx cy
    eval "$(xdotool getwindowgeometry --shell "$1" | sed 's/^/W_/')"
    cx=$((W_X + W_WIDTH / 2)); cy=$((W_Y + 8))
    xdotool mousemove "$cx" "$cy" click 1
    wait_until 10 "the dialog to become active" pixel_is "$cx" "$cy" '#3296FA'
}
# The file dialog that comes up: type a full path into its name box and confirm.
answer_file_dialog() {
    wait_until 10 "the $1 dialog" has_new_window "$2"
    local dialog
    dialog=$(new_window "$2")
    focus "$dialog"
    xdotool type --delay 20 "$3"
    xdotool key Return
}

press ctrl+a  # the page's sura is selected, so the copy item is enabled
wait_until 10 "the selection drawn" green_at_least 200
open_settings
wait_until 10 "the Arabic settings dialog" has_window_named 'الإعدادات'
S=$(window_named 'الإعدادات')
screenshot dialog-arabic

# The language choice has the focus; the arrow key chooses English.
activate "$S"
xdotool key Down
wait_until 10 "English stored in the settings file" field_is language 1
wait_until 10 "the English caption" has_window_named 'Settings'
screenshot dialog-english

# Tab selects the Quran size box's text; of what is typed, only the digits stay.
xdotool key Tab
xdotool type 'x2y4'
wait_until 10 "the typed size stored without its letters" field_is size 24
# Tab: Normal/Bold, text colour, waqf colour; Down: maroon after black.
xdotool key Tab Tab Tab Down
wait_until 10 "the waqf colour stored" field_is waqf $((0x000080))

# The popup menu is English now: left to right, it opens to the right of the pointer.
open_menu
[ "$MENU_X" -ge $((MX - 2)) ] && [ "$MENU_X" -le $((MX + 2)) ] ||
    fail "the English menu (x $MENU_X) does not start at the pointer ($MX)"
screenshot menu-english
xdotool key Escape
wait_until 10 "the menu to close" menu_closed

# Copying the selection: the waqf signs' colour (colour 5) is maroon.
echo sentinel | xclip -selection clipboard
press ctrl+c
rtf_offered() { xclip -selection clipboard -o -t TARGETS 2>/dev/null | grep -qx 'text/rtf'; }
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
/usr/bin/python3 - "$E2E_OUTPUT/clipboard.rtf" <<'PY' || fail "the copied colour table lacks the waqf colour"
import re, sys
doc = open(sys.argv[1], 'rb').read().decode('latin-1')
table = re.search(r'\{\\colortbl ;([^}]*)\}', doc).group(1).split(';')
assert table[4] == r'\red128\green0\blue00', table
assert r'\cf5\uc1\u8204*\uc1\u1750*' in doc, 'no waqf sign in its own colour'
PY

# Save As a profile (File: Open, Default settings, Save As).
PROFILE="$E2E_OUTPUT/lesson.cvprofile"
WIN_PROFILE="Z:$(echo "$PROFILE" | tr '/' '\\')"
activate "$(window_named 'Settings')"
before=$(visible_windows)
xdotool key F10 Down Down Down Return
answer_file_dialog "save" "$before" "$WIN_PROFILE"
wait_until 10 "the profile written" test -s "$PROFILE"
wait_until 10 "the caption naming the profile" has_window_named 'الإعدادات - lesson'
wait_until 10 "the profile recorded" field_is profile "$WIN_PROFILE"

# Another waqf colour (green follows maroon) forgets the profile...
activate "$(window_named 'الإعدادات - lesson')"
xdotool key Down
wait_until 10 "the new waqf colour stored" field_is waqf $((0x008000))
field_is profile '' || fail "a change kept the profile name"
wait_until 10 "the plain caption" has_window_named 'Settings'

# ... and opening the profile brings maroon back.
activate "$(window_named 'Settings')"
before=$(visible_windows)
xdotool key F10 Down Return
answer_file_dialog "open" "$before" "$WIN_PROFILE"
wait_until 10 "the profile's waqf colour" field_is waqf $((0x000080))
wait_until 10 "the caption naming the profile" has_window_named 'الإعدادات - lesson'
field_is profile "$WIN_PROFILE" || fail "the opened profile is not recorded"
field_is language 1 || fail "the profile's language was not kept"

# The Settings command again brings the same dialog to the front.
S=$(window_named 'الإعدادات - lesson')
eval "$(xdotool getwindowgeometry --shell "$S" | sed 's/^/W_/')"
open_menu
# The main window, owner of the popup menu, is active meanwhile.
wait_until 10 "the dialog to become inactive" pixel_is $((W_X + W_WIDTH / 2)) $((W_Y + 8)) '#808080'
xdotool key Down Down Down Down Down Down Return
wait_until 10 "the dialog brought to the front" pixel_is $((W_X + W_WIDTH / 2)) $((W_Y + 8)) '#3296FA'
[ "$(count_windows_named 'الإعدادات - lesson')" = 1 ] || fail "a second settings dialog opened"

activate "$S"
xdotool key Escape
wait_until 10 "Escape to close the dialog" no_window_named 'الإعدادات - lesson'
app_ended && fail "Escape in the dialog ended the run"

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "settings scenario passed"
