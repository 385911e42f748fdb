#!/usr/bin/env bash
# Copying: a click on a word and Ctrl+C put exactly one block on the clipboard,
# "Rich Text Format" (text/rtf to X), holding the document the core composes
# for that selection and its NUL; Ctrl+C with nothing selected leaves the
# clipboard as it was.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
start_display
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0

page_rect
CX=$((VX + VW * 2 / 3)); CY=$((VY + VH / 15))

# Nothing selected: the clipboard keeps what another program put there.
echo sentinel | xclip -selection clipboard
press ctrl+c
press Left  # handled after Ctrl+C: once page 43 is stored, Ctrl+C has run
wait_until 30 "page 43 to open" stored_page_is 43
[ "$(xclip -selection clipboard -o 2>/dev/null)" = sentinel ] || fail "copy without a selection changed the clipboard"
press Right
wait_until 30 "page 42 to open again" stored_page_is 42
wait_until 10 "the page drawn without a selection" green_at_most 0

xdotool mousemove "$CX" "$CY" click 1
wait_until 10 "the clicked word to turn green" green_at_least 20
press ctrl+c
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ "$COPYTEXT" --page 42 --view "$PW" "$PH" --click $((CX - PX)) $((CY - PY)); printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" ||
    fail "the clipboard differs from the composed document (see $E2E_OUTPUT)"
targets=$(xclip -selection clipboard -o -t TARGETS | grep -v -x -E 'TARGETS|MULTIPLE|TIMESTAMP|SAVE_TARGETS|text/rtf|text/richtext' || true)
[ -z "$targets" ] || fail "the clipboard offers more than rich text: $targets"

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "copy scenario passed"
