#!/usr/bin/env bash
# A first start on a fresh system, in a new Wine prefix with nothing
# installed: the question about the fonts comes before any window. No ends the
# run without a window; Yes runs the elevated installation, after which both
# faces are in the Fonts folder and registered, and the main window opens on
# page 1; the next start asks nothing. An installation run that cannot write
# the font files reports it, shows the error dialog and exits with 3; the
# dialog's link, reached with Shift+Tab from Cancel, opens the font page with
# Enter.
source "$(dirname "$0")/lib.sh"
source "$E2E_DIR/../../scripts/wine-prefix.sh"
export WINEPREFIX="$E2E_OUTPUT/prefix"
trap 'cleanup; rm -rf "$WINEPREFIX"' EXIT
make_wine_prefix "$WINEPREFIX" || fail "no fresh Wine prefix"
start_display

QUESTION='لا يمكن المواصلة'
# Waits for the one new window and prints its id.
await_window() {
    local before=$1 what=$2
    wait_until 60 "$what" has_new_window "$before"
    new_window "$before"
}

# No: the run ends without a main window.
before=$(visible_windows)
start_app
box=$(await_window "$before" "the question about the fonts")
[ "$(window_title "$box")" = "$QUESTION" ] || fail "the first window is '$(window_title "$box")', not the question"
screenshot question
xdotool windowfocus --sync "$box" key --window "$box" Tab Return  # Tab to No
wait_until 30 "the run to end after No" app_ended
has_main_window && fail "a main window opened after No"
fonts_installed && fail "No installed the fonts"

# Yes: the elevated run installs, then the start goes on to page 1.
start_app
box=$(await_window "$before" "the question again")
xdotool windowfocus --sync "$box" key --window "$box" Return  # Yes is the default button
wait_until 60 "the main window after the installation" has_main_window
fonts_installed || fail "the fonts are not installed after Yes"
wait_until 30 "page 1 to open" stored_page_is 1
press Escape
wait_until 30 "the run to end" app_ended

# The next start asks nothing: the main window is the first window.
start_app
wait_until 60 "the main window of the next start" has_main_window
for w in $(visible_windows); do
    [ "$(window_title "$w")" != "$QUESTION" ] || fail "the next start asked about the fonts again"
done
press Escape
wait_until 30 "the run to end" app_ended

# An installation run that cannot write the font files: a folder stands
# where each file must go (the tests run as root, whom permissions don't stop).
remove_fonts
mkdir "$(fonts_folder)/$REGULAR_FONT_FILE" "$(fonts_folder)/$BOLD_FONT_FILE"
record_browser
before=$(visible_windows)
start_app '\installfonts'
messages=0
error_dialog_seen=0
until app_ended; do
    w=$(new_window "$before")
    if [ -n "$w" ]; then
        title=$(window_title "$w")
        if [ "$title" = "Font Installation Error" ]; then
            error_dialog_seen=1
            screenshot font-error
            xdotool windowfocus --sync "$w" key --window "$w" shift+Tab Return
            wait_until 20 "Enter on the link to reach the browser" browser_got https://tiravel.app/fonts/
            xdotool windowfocus --sync "$w" key --window "$w" Escape
        else
            messages=$((messages + 1))
            [ "$messages" -le 2 ] || fail "more than the two messages about the font files"
            xdotool windowfocus --sync "$w" key --window "$w" Return
        fi
        wait_until 10 "the window to close" window_gone "$w"
    fi
    [ $SECONDS -lt 240 ] || fail "the failed installation run did not end"
    sleep 0.1
done
wait "$APP_PID" && code=0 || code=$?
[ "$code" = 3 ] || fail "the failed installation run exited with $code, not 3"
[ "$messages" = 2 ] || fail "$messages messages about the font files, not 2 (one per face)"
[ "$error_dialog_seen" = 1 ] || fail "no font installation error dialog"
echo "font installation scenario passed"
