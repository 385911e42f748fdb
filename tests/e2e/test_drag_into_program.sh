#!/usr/bin/env bash
# Dragging a selection into another program: pressing on a selected word and
# moving onto a drop target hands over the copied document in five formats:
# Unicode, 8-bit and OEM text, the locale, and "Rich Text Format" holding the
# very document that Ctrl+C would put on the clipboard.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
RECORDER=${DROP_RECORDER:?DROP_RECORDER names the drop target program}
start_display
mkdir -p "$E2E_OUTPUT/drop"
wine "$RECORDER" "$(winepath -w "$E2E_OUTPUT/drop")" >"$E2E_OUTPUT/recorder.log" 2>&1 </dev/null &
RECORDER_PID=$!
trap 'kill $RECORDER_PID 2>/dev/null || true; cleanup' EXIT
wait_until 30 "the drop target" has_window_named 'Drop Recorder'
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0

page_rect
CX=$((VX + VW * 2 / 3)); CY=$((VY + VH / 15))
xdotool mousemove "$CX" "$CY" click 1
wait_until 10 "the clicked word to turn green" green_at_least 20

# Press on the selected word and carry it onto the drop target (0-240, 0-240).
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
    sleep 0.2  # moves queued together reach the program as one
    xdotool mousemove $((CX - (CX - 120) * step / 6)) $((CY - (CY - 120) * step / 6))
done
sleep 0.2
xdotool mouseup 1
wait_until 30 "the drop to be recorded" test -f "$E2E_OUTPUT/drop/done.txt"
screenshot dropped

formats=$(tr -d '\r' <"$E2E_OUTPUT/drop/formats.txt")
for f in '^13 ' '^1 ' '^7 ' '^16 ' ' Rich Text Format$'; do
    grep -q "$f" <<<"$formats" || fail "the drop lacks format '$f' (it has: $formats)"
done
[ "$(wc -l <<<"$formats")" = 5 ] || fail "the drop carries other than five formats: $formats"
rtf_number=$(grep ' Rich Text Format$' <<<"$formats" | cut -d' ' -f1)
{ "$COPYTEXT" --page 42 --view "$PW" "$PH" --click $((CX - PX)) $((CY - PY)); printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/drop/$rtf_number.bin" "$E2E_OUTPUT/expected.rtf" ||
    fail "the dropped rich text differs from the copied document (see $E2E_OUTPUT)"
cmp "$E2E_OUTPUT/drop/1.bin" "$E2E_OUTPUT/expected.rtf" || fail "the dropped 8-bit text differs from the document"

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "drag into a program scenario passed"
