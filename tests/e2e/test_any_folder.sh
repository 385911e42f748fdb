#!/usr/bin/env bash
# The program runs from any folder. Copied into "C:\برامج الاختبار\Tiravel 2\"
# of a fresh Wine prefix (spaces and Arabic letters in the path), its first
# start asks about the fonts; Yes starts that same file elevated, which
# installs them, and page 1 opens; a click on a word and Ctrl+C put on the
# clipboard the document the core composes for that click. Copied once more
# into a folder whose path is longer than 260 characters, the elevated run
# still starts this very file and installs the fonts.
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/../../scripts/wine-prefix.sh"
COPYTEXT=${TIRAVEL_COPYTEXT:?TIRAVEL_COPYTEXT names the native tiravel-copytext}
BUILT_EXE=$TIRAVEL_EXE
export LC_ALL=C.UTF-8  # the Arabic letters of the path reach Wine as UTF-8
export WINEPREFIX="$E2E_OUTPUT/prefix"
trap 'cleanup; rm -rf "$WINEPREFIX"' EXIT
make_wine_prefix "$WINEPREFIX" || fail "no fresh Wine prefix"
start_display

QUESTION='لا يمكن المواصلة'
# place_exe WINDOWS-FOLDER: copies the build's executable into that folder
# of drive C: and makes it the one start_app runs, by its Windows path.
place_exe() {
    local unix="$WINEPREFIX/drive_c/${1#C:\\}"
    unix=${unix//\\//}
    mkdir -p "$unix"
    cp "$BUILT_EXE" "$unix/Tiravel.exe"
    TIRAVEL_EXE="$1\\Tiravel.exe"
}
# Answers Yes to the question about the fonts, which comes before any window.
answer_yes_to_the_fonts() {
    local before=$1 box
    wait_until 60 "the question about the fonts" has_new_window "$before"
    box=$(new_window "$before")
    [ "$(window_title "$box")" = "$QUESTION" ] || fail "the first window is '$(window_title "$box")', not the question"
    xdotool windowfocus --sync "$box" key --window "$box" Return  # Yes is the default button
}

# The folder with spaces and Arabic letters: the first start installs, opens page 1, copies.
place_exe 'C:\برامج الاختبار\Tiravel 2'
before=$(visible_windows)
start_app
answer_yes_to_the_fonts "$before"
wait_until 60 "the main window after the installation" has_main_window
fonts_installed || fail "the fonts are not installed after Yes"
wait_until 30 "page 1 to open" stored_page_is 1
main_geometry
view_rect
page_rect
wait_until 10 "page 1 drawn without a selection" green_at_most 0
screenshot page-1
CX=$((PX + PW / 2)); CY=$((PY + PH * 61 / 100))  # a word of the fourth line of al-Fatiha
xdotool mousemove "$CX" "$CY" click 1
wait_until 10 "the clicked word to turn green" green_at_least 8  # a short word: 16 pixels of pure green
screenshot word-selected
press ctrl+c
wait_until 10 "the clipboard to offer rich text" rtf_offered
xclip -selection clipboard -o -t text/rtf >"$E2E_OUTPUT/clipboard.rtf"
{ "$COPYTEXT" --page 1 --view "$PW" "$PH" --click $((CX - PX)) $((CY - PY)); printf '\0'; } >"$E2E_OUTPUT/expected.rtf"
cmp "$E2E_OUTPUT/clipboard.rtf" "$E2E_OUTPUT/expected.rtf" ||
    fail "the clipboard differs from the composed document (see $E2E_OUTPUT)"
press Escape
wait_until 30 "the run to end" app_ended

# A path of more than 260 characters: the elevated run gets all of it.
long='C:\برامج الاختبار'
for part in 'المجلد الأول للتجربة' 'المجلد الثاني للتجربة' 'المجلد الثالث للتجربة' 'المجلد الرابع للتجربة' \
    'Tiravel folder number five' 'Tiravel folder number six' 'Tiravel folder number seven' \
    'Tiravel folder number eight' 'Tiravel folder number nine' 'Tiravel folder number ten'; do
    long="$long\\$part"
done
place_exe "$long"
length=$(printf '%s' "$TIRAVEL_EXE" | iconv -f UTF-8 -t UTF-16LE | wc -c)
[ $((length / 2)) -gt 260 ] || fail "the long path has only $((length / 2)) characters"
remove_fonts
fonts_installed && fail "the fonts are still installed"
touch -d '2000-01-01' "$(settings_file)"
before=$(visible_windows)
start_app
answer_yes_to_the_fonts "$before"
# The general error report is titled "Tiravel" too: the fonts come first.
wait_until 60 "the elevated run from the long path to install the fonts" fonts_installed
wait_until 60 "the main window after the installation from the long path" has_main_window
wait_until 30 "page 1 to open" settings_rewritten
screenshot long-path-page-1
press Escape
wait_until 30 "the run to end" app_ended
echo "any folder scenario passed"
