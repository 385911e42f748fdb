#!/usr/bin/env bash
# Copying with the choices of the options file on (HTML and plain text, the
# plain spelling): Ctrl+C puts the Rich Text, "HTML Format" and the Unicode
# text on the clipboard, which X sees as text/rtf, text/html and UTF8_STRING.
# Each holds what the core composes for the same click: the Rich Text whole,
# the HTML's fragment (Wine hands X the bytes between the header's
# StartFragment and EndFragment offsets) and the text.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
start_display
COPY_CHOICES=html+imlai start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0

page_rect
CX=$((VX + VW * 2 / 3)); CY=$((VY + VH / 15))
xdotool mousemove "$CX" "$CY" click 1
wait_until 10 "the clicked word to turn green" green_at_least 20
press ctrl+c
wait_until 10 "the clipboard to offer HTML" html_offered
screenshot copied

composed() { "$COPYTEXT" --page 42 --view "$PW" "$PH" --click $((CX - PX)) $((CY - PY)) --imlai "$@"; }
targets=$(xclip -selection clipboard -o -t TARGETS)
for t in text/rtf text/html UTF8_STRING; do
    grep -qx "$t" <<<"$targets" || fail "the clipboard does not offer $t: $targets"
done

xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ composed; printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" || fail "the Rich Text differs from the composed one"

composed --html >"$E2E_OUTPUT/expected-document.html"
start=$(grep -a -o -m1 'StartFragment:[0-9]*' "$E2E_OUTPUT/expected-document.html" | cut -d: -f2)
end=$(grep -a -o -m1 'EndFragment:[0-9]*' "$E2E_OUTPUT/expected-document.html" | cut -d: -f2)
tail -c +$((10#$start + 1)) "$E2E_OUTPUT/expected-document.html" | head -c $((10#$end - 10#$start)) \
    >"$E2E_OUTPUT/expected-fragment.html"
xclip -selection clipboard -o -t text/html >"$E2E_OUTPUT/clipboard.html"
cmp "$E2E_OUTPUT/clipboard.html" "$E2E_OUTPUT/expected-fragment.html" ||
    fail "the HTML differs from the composed fragment (see $E2E_OUTPUT)"

xclip -selection clipboard -o -t UTF8_STRING >"$E2E_OUTPUT/clipboard.txt"
composed --text >"$E2E_OUTPUT/expected.txt"
cmp "$E2E_OUTPUT/clipboard.txt" "$E2E_OUTPUT/expected.txt" ||
    fail "the text differs from the composed one (see $E2E_OUTPUT)"
grep -q $'\xef\xb4\xbf' "$E2E_OUTPUT/clipboard.txt" || fail "the text has no ornate bracket: $(cat "$E2E_OUTPUT/clipboard.txt")"

press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "copy with HTML and text scenario passed"
