#!/usr/bin/env bash
# Selecting with the keys alone: three Shift+Left from nothing selected take
# the page's first three words, the hizb mark and two words (the page does
# not turn), and Ctrl+C puts on
# the clipboard the document tiravel-copytext composes for the same keys.
source "$(dirname "$0")/lib.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
start_display
start_on_page 42
wait_until 10 "the page drawn without a selection" green_at_most 0
page_rect
echo sentinel | xclip -selection clipboard

# The first line lies mostly above the counted part of the view: a few green pixels a word.
press shift+Left
wait_until 10 "the first word (the hizb mark) to turn green" green_at_least 1
first=$(green_in_view)
press shift+Left shift+Left
wait_until 10 "two more words to turn green" green_at_least $((first + 10))
press ctrl+c
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ "$COPYTEXT" --page 42 --view "$PW" "$PH" --keys LLL; printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" ||
    fail "the clipboard differs from the composed document (see $E2E_OUTPUT)"
screenshot three-words

# Shift+Right at the first word goes nowhere, and no page turns: a plain
# Left, handled after them, is the one page turn.
press shift+Right shift+Right shift+Right shift+Right Left
wait_until 30 "page 43 to open" stored_page_is 43
press Escape
wait_until 30 "the run to end after Escape" app_ended
echo "keyboard selection scenario passed"
