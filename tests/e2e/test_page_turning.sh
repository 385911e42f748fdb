#!/usr/bin/env bash
# Page turning from a first start on page 1: Left opens page 2 and Right page 1
# again; the wheel turned away from the user opens the next page and towards
# the user the previous one; Ctrl+G with 42 and Enter opens page 42, 999 page
# 604; a second Enter queued behind the first does no harm. The settings
# file names each page as it opens.
source "$(dirname "$0")/lib.sh"
require_resource AYAFRAME0011  # pages 1 and 2 have a sura header
start_display
remove_data_folder
start_app
wait_until 60 "the main window" has_main_window
wait_until 30 "page 1 to open" stored_page_is 1
main_geometry

press Left
wait_until 20 "Left to open page 2" stored_page_is 2
press Right
wait_until 20 "Right to open page 1" stored_page_is 1
# Right on page 1 stays on page 1: the Left after it, handled after it, then
# opens page 2, where any other page would have led elsewhere.
press Right
press Left
wait_until 20 "Right on page 1 to stay there and Left to open page 2" stored_page_is 2
press Right
wait_until 20 "Right to open page 1 again" stored_page_is 1

xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2))
xdotool click 4
wait_until 20 "the wheel away from the user to open page 2" stored_page_is 2
xdotool click 5
wait_until 20 "the wheel towards the user to open page 1" stored_page_is 1

# go_to TEXT: Ctrl+G, type TEXT into the dialog's box, Enter.
go_to() {
    local before dialog
    before=$(visible_windows)
    press ctrl+g
    wait_until 10 "the go-to-page dialog" has_new_window "$before"
    dialog=$(new_window "$before")
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool type --window "$dialog" "$1"
    xdotool key --window "$dialog" Return
    wait_until 10 "the dialog to close" window_gone "$dialog"
}
go_to 42
wait_until 20 "Ctrl+G 42 to open page 42" stored_page_is 42
screenshot page-42
# A second Enter already queued behind the one that confirms: page opening
# lets it run while the dialog is closing, and the program goes on (the Left
# after it turns the page).
before=$(visible_windows)
press ctrl+g
wait_until 10 "the go-to-page dialog" has_new_window "$before"
dialog=$(new_window "$before")
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool type --window "$dialog" 50
xdotool key --window "$dialog" Return Return
wait_until 20 "Ctrl+G 50 to open page 50" stored_page_is 50
wait_until 10 "the dialog to close" window_gone "$dialog"
press Left
wait_until 20 "the program to go on after a queued Enter (Left opens page 51)" stored_page_is 51
go_to 999
wait_until 20 "Ctrl+G 999 to open page 604" stored_page_is 604
screenshot page-604
# Left on page 604 stays there: the Right after it then opens page 603.
press Left
press Right
wait_until 20 "Left on page 604 to stay there and Right to open page 603" stored_page_is 603

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "page turning scenario passed"
