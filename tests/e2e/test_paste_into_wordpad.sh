#!/usr/bin/env bash
# The copy reaches a word processor through the system: sura 112 selected
# with Ctrl+A and copied with Ctrl+C, pasted into Wine's WordPad and saved by
# it as Rich Text, holds every letter, mark, bracket and aya number of the
# copied document, in the same order, all set in our font family.
source "$(dirname "$0")/lib.sh"
WORDPAD='C:\Program Files\Windows NT\Accessories\wordpad.exe'
FAMILY='Harvik HAFS Uthmanic Script'
start_display
start_on_page 604
wait_until 10 "the page drawn without a selection" green_at_most 0
press ctrl+a
wait_until 10 "Ctrl+A to select sura 112" green_at_least 20
press ctrl+c
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf | tr -d '\0' >"$E2E_OUTPUT/copied.rtf"

wine "$WORDPAD" >"$E2E_OUTPUT/wordpad.log" 2>&1 </dev/null &
WORDPAD_PID=$!
trap 'kill $WORDPAD_PID 2>/dev/null || true; cleanup' EXIT
titled() { find_windows --onlyvisible --name "$1" | head -n 1; }
has_titled() { [ -n "$(titled "$1")" ]; }
no_window_titled() { [ -z "$(titled "$1")" ]; }
wait_until 60 "WordPad" has_titled '^Document - Wine Wordpad$'
W=$(titled '^Document - Wine Wordpad$')
xdotool windowfocus --sync "$W" key --window "$W" ctrl+v
xdotool key --window "$W" ctrl+s
wait_until 30 "the Save As dialog" has_titled '^Save As$'
S=$(titled '^Save As$')
saved="$E2E_OUTPUT/pasted.rtf"
rm -f "$saved"
xdotool windowfocus --sync "$S" type --window "$S" "$(winepath -w "$saved")"
xdotool key --window "$S" Return
wait_until 30 "WordPad to save the document" has_titled '^pasted.rtf - Wine Wordpad$'
wait_until 10 "the saved file" test -s "$saved"
screenshot wordpad

/usr/bin/python3 - "$E2E_OUTPUT/copied.rtf" "$saved" "$FAMILY" <<'PY' || fail "the pasted document is not the copied one in our font"
import re, sys
copied, saved, family = open(sys.argv[1], encoding='latin-1').read(), open(sys.argv[2], encoding='latin-1').read(), sys.argv[3]

def fonts(doc):
    table = doc[doc.index('{\\fonttbl'):]
    return {int(n): name.strip() for n, name in re.findall(r'\\f(\d+)[^ ;{}]*\s*([^;{}\\]+);', table[:table.index('}}') + 2])}

def letters(doc):
    """The non-ASCII code units of the text in order, each with the font it
    is set in. WordPad writes letters of an Arabic font as code page 1256
    bytes, and turns the Arabic-Indic digits into ASCII ones as it does so
    (that code page has none), so those digits are left out on both sides."""
    body = doc[doc.index('}}') + 2:] if '{\\fonttbl' in doc else doc
    font, out = None, []
    for m in re.finditer(r"\\f(\d+)|\\u(-?\d+)|\\'([0-9a-f]{2})", body):
        if m.group(1) is not None:
            font = int(m.group(1))
            continue
        if m.group(2) is not None:
            unit = int(m.group(2)) & 0xFFFF
        else:
            unit = ord(bytes([int(m.group(3), 16)]).decode('cp1256'))
        if unit >= 0x80 and not 0x660 <= unit <= 0x669:
            out.append((unit, font))
    return out

table = fonts(saved)
ours = [n for n, name in table.items() if name == family]
if not ours:
    sys.exit(f'the saved font table has no {family}: {table}')
want = [u for u, _ in letters(copied)]
got = letters(saved)
if [u for u, _ in got] != want:
    sys.exit(f'the saved text has {len(got)} letters, the copy {len(want)}, or another order')
elsewhere = [(hex(u), table.get(f)) for u, f in got if f not in ours]
if elsewhere:
    sys.exit(f'letters set in another font: {elsewhere[:5]}')
print(f'{len(got)} letters, all in {family}')
PY

kill "$WORDPAD_PID" 2>/dev/null || true
wait_until 30 "WordPad to close" no_window_titled 'Wine Wordpad$'
xdotool mousemove $((VX + VW / 2)) $((VY + VH / 2)) click 1  # the viewer active again
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "paste into WordPad scenario passed"
