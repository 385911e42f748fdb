#!/usr/bin/env bash
# The copy range dialog, opened from the popup menu on page 604, preselects
# sura 112; choosing ayat 1 to 4 and Copy puts the document the core composes
# for that range on the clipboard, and the dialog closes.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
start_display
start_on_page 604
wait_until 10 "the page drawn without a selection" green_at_most 0
echo sentinel | xclip -selection clipboard

# One word selected: the copy item is enabled and the dialog still takes the
# sura of the page's first word.
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 4)) click 1
wait_until 10 "the clicked word to turn green" green_at_least 5

before=$(visible_windows)
xdotool click 3
wait_until 10 "the popup menu" has_new_window "$before"
# Index, go to page, search, copy, copy range: the separator is skipped.
xdotool key Down Down Down Down Down Return
dialog_open() { has_window_named 'تحديد نطاق النسخ'; }
wait_until 10 "the copy range dialog" dialog_open
D=$(window_named 'تحديد نطاق النسخ')
screenshot dialog
xdotool windowfocus --sync "$D" 2>/dev/null || true
# Sura list has the focus: Tab to "from" (aya 1 stays), Tab to "to", choose 4, Enter copies.
xdotool key Tab Tab 4 Return
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ "$COPYTEXT" --range 112 1 4; printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" ||
    fail "the clipboard differs from the composed range (see $E2E_OUTPUT)"
dialog_closed() { ! dialog_open; }
wait_until 10 "the dialog to close after Copy" dialog_closed

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "copy range scenario passed"
