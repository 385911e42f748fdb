#!/usr/bin/env bash
# Selecting on page 42: a click on a word turns its pixels green; a drag over
# three lines selects far more; Ctrl+A selects the whole sura of the page and
# Ctrl+D clears the selection.
source "$(dirname "$0")/lib.sh"
start_display
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0

# A point on the first text line, a third of the view from the right.
xdotool mousemove $((VX + VW * 2 / 3)) $((VY + VH / 15)) click 1
wait_until 10 "the clicked word to turn green" green_at_least 20
one_word=$(green_in_view)
screenshot word

# Moves queued together reach the window as one; the pauses keep them apart
# (the first move of a drag only anchors it).
xdotool mousemove $((VX + VW * 3 / 4)) $((VY + VH / 15)) mousedown 1
for step in 1 2 3 4; do
    sleep 0.2
    xdotool mousemove $((VX + VW * 3 / 4 - step * VW / 8)) $((VY + VH / 15 + step * VH / 30))
done
sleep 0.2
xdotool mouseup 1
wait_until 10 "the dragged run to turn green" green_at_least $((one_word * 5))
screenshot drag

press ctrl+d
wait_until 10 "Ctrl+D to clear the selection" green_at_most 0
press ctrl+a
wait_until 10 "Ctrl+A to select the page's sura" green_at_least $((one_word * 40))
screenshot select-all
press ctrl+d
wait_until 10 "Ctrl+D to clear the selection" green_at_most 0

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "selection scenario passed"
