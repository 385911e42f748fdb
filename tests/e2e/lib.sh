# Sourced by every scenario: a private Xvfb display, the Wine environment, and
# helpers that wait for a state (a window, a file, a pixel) instead of a time.
# -E: the report of a failed command below comes from inside functions too.
set -Eeuo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../scripts/env.sh"
: "${TIRAVEL_EXE:?TIRAVEL_EXE names the executable under test}"
# Writes settings files as the program does (tools/settingsfile).
SETTINGS_TOOL=${TIRAVEL_SETTINGS_TOOL:-$E2E_DIR/../../build/native/bin/tiravel-settings}
: "${E2E_OUTPUT:=$(mktemp -d)}"
rm -rf "$E2E_OUTPUT"; mkdir -p "$E2E_OUTPUT"

fail() {
    # What was on the screen and running, for a failure seen only once; none
    # of it may end the report early.
    trap - ERR; set +e
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$E2E_OUTPUT/failure.png" 2>/dev/null
        local w
        for w in $(visible_windows); do
            echo "window $w: \"$(xdotool getwindowname "$w" 2>/dev/null)\"" >&2
        done
    fi
    pgrep -a -f '\.exe' 2>/dev/null | sed 's/^/process: /' >&2
    if [ -n "${APP_PID:-}" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
        local status=0
        wait "$APP_PID" 2>/dev/null || status=$?
        echo "the program had ended, with status $status" >&2
    fi
    [ -s "$E2E_OUTPUT/app.log" ] && tail -n 20 "$E2E_OUTPUT/app.log" | sed 's/^/app.log: /' >&2
    exit 1
}
note() { echo "e2e: $*" >&2; }
# A command that fails outside every wait ends the scenario (set -e); say which.
trap 'echo "FAIL: line $LINENO of $(basename "${BASH_SOURCE[0]}") (${FUNCNAME[0]:-main}): \"$BASH_COMMAND\" failed" >&2' ERR

# wait_until SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds.
wait_until() {
    local limit=$1 what=$2; shift 2
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

# The screen of the display, 1024 × 768 unless the scenario names another.
E2E_SCREEN=${E2E_SCREEN:-1024x768x24}
start_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "$E2E_SCREEN" -nolisten tcp >"$E2E_OUTPUT/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        if wait_for_display; then fresh_wineserver; return 0; fi
        kill "$XVFB_PID" 2>/dev/null || true
    done
    fail "no free X display"
}
# Ready once the display answers and is ours: a server of the last scenario
# still going away may answer on the same number while ours fails to start.
wait_for_display() {
    local i lock="/tmp/.X${DISPLAY#:}-lock"
    for i in $(seq 100); do
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        [ "$(cat "$lock" 2>/dev/null | tr -d ' \n')" = "$XVFB_PID" ] && xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.05
    done
    return 1
}

cleanup() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "${UPDATE_SERVER_PID:-}" ] && kill "$UPDATE_SERVER_PID" 2>/dev/null || true
    [ -n "${BROWSER_RECORDED:-}" ] && wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f >/dev/null 2>&1 || true
    wineserver -k >/dev/null 2>&1 || true
    # Gone, and its display number free, before the next scenario looks for one.
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    return 0
}
trap cleanup EXIT

# Wine's desktop process binds to the display of the Wine start that launched
# it, so each scenario begins with a wineserver of its own on its own display.
fresh_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 </dev/null || true
}

# The update check of every run asks a loopback address, never the maker's
# server: a closed port unless the scenario starts a server of its own
# (start_update_server). Whatever the caller's environment says is replaced.
APP_UPDATE_URL=http://127.0.0.1:9/appversion/getappvr.php
start_app() {
    case "$APP_UPDATE_URL" in
    http://127.0.0.1:*) ;;
    *) fail "the update address $APP_UPDATE_URL is not on the loopback address" ;;
    esac
    env -u http_proxy -u https_proxy -u HTTP_PROXY -u HTTPS_PROXY -u all_proxy -u ALL_PROXY \
        TIRAVEL_UPDATE_URL="$APP_UPDATE_URL" wine "$TIRAVEL_EXE" "$@" >"$E2E_OUTPUT/app.log" 2>&1 </dev/null &
    APP_PID=$!
}

# find_windows SEARCH-ARGUMENTS...: the ids that xdotool's search prints, one a
# line; fails when no window matches. A window that goes while xdotool reads
# it ends xdotool with an X error: the search is then asked again.
find_windows() {
    local list i err="$E2E_OUTPUT/xdotool-search.err"
    for i in 1 2 3 4 5 6 7 8 9 10; do
        if list=$(xdotool search "$@" 2>"$err"); then
            printf '%s\n' "$list"
            return 0
        fi
        [ -s "$err" ] || return 1
    done
    return 1
}
# The visible windows whose caption is exactly TITLE, the first of them, ...
windows_named() { find_windows --onlyvisible --name "^$1\$"; }
window_named() { windows_named "$1" | head -n 1; }
has_window_named() { windows_named "$1" >/dev/null; }
no_window_named() { ! has_window_named "$1"; }
count_windows_named() { { windows_named "$1" || true; } | wc -l; }
# Prints the id of the visible main window, the X window titled "Tiravel"
# (X sees the process name as its class, not the Win32 class).
main_window() { window_named Tiravel; }
has_main_window() { [ -n "$(main_window)" ]; }

# pixel X Y: the colour of one screen pixel as "#RRGGBB".
pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | awk 'NR==2 {print $3}'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

screenshot() { import -window root "$E2E_OUTPUT/$1.png"; }

app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }

press() {
    local w
    w=$(main_window)
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    xdotool key --window "$w" "$@"
}

# --- the run's files ---------------------------------------------------------
# The per-user data folder (Wine names the user's folder after the Unix user).
data_folder() { echo "$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/CorvaneSchool"; }
settings_file() { echo "$(data_folder)/setting.dat"; }
# A first start: no data folder at all.
remove_data_folder() { rm -rf "$(data_folder)"; }
settings_size() { stat -c %s "$(settings_file)" 2>/dev/null; }
# The page stored in the settings file: its last four bytes, little-endian.
stored_page() {
    local f size
    f=$(settings_file)
    size=$(stat -c %s "$f" 2>/dev/null) || return 1
    od -An -t d4 -j $((size - 4)) -N 4 "$f" | tr -d ' '
}
stored_page_is() { [ "$(stored_page)" = "$1" ]; }
# The program's own options file, which also keeps the windows' places.
options_file() { echo "$(data_folder)/options.ini"; }
# Every window back to its default place: an earlier scenario's places go.
forget_window_places() { [ ! -f "$(options_file)" ] || sed -i '/^WindowPlace\./d' "$(options_file)"; }
# write_settings PAGE [LANGUAGE]: a settings file with the default copy
# settings (Arabic unless LANGUAGE is 1) that names PAGE as the page last shown,
# and the copy's choices in the options file beside it: COPY_CHOICES (as
# tiravel-settings --copy takes them) or the defaults, never an earlier
# scenario's; the windows open at their default places.
write_settings() {
    mkdir -p "$(data_folder)"
    "$SETTINGS_TOOL" --folder "$(data_folder)" --page "$1" --language "${2:-0}" --copy "${COPY_CHOICES:-none}"
    forget_window_places
}

# The clipboard offers rich text (Wine names "Rich Text Format" text/rtf to X).
rtf_offered() { xclip -selection clipboard -o -t TARGETS 2>/dev/null | grep -qx 'text/rtf'; }
# ... and HTML ("HTML Format" is text/html to X).
html_offered() { xclip -selection clipboard -o -t TARGETS 2>/dev/null | grep -qx 'text/html'; }

# --- the screen ---------------------------------------------------------------
# count_colour X Y W H '#RRGGBB': screen pixels of exactly that colour in a rectangle.
count_colour() {
    import -window root -crop "${3}x${4}+$1+$2" -depth 8 txt:- 2>/dev/null | grep -ci " $5 " || true
}
# Sets X, Y, WIDTH, HEIGHT of the main window.
main_geometry() { eval "$(xdotool getwindowgeometry --shell "$(main_window)")"; }
# Visible top-level X windows of the display other than the root, one id a line.
visible_windows() { find_windows --onlyvisible --name '' | sort; }
window_gone() { ! visible_windows | grep -qx "$1"; }
# The window that appeared after `before` (a list of visible_windows), if any.
new_window() { comm -13 <(echo "$1") <(visible_windows) | head -n 1; }
has_new_window() { [ -n "$(new_window "$1")" ]; }
# The page view inside the main window (X, Y, WIDTH, HEIGHT set): the page
# rectangle (30, 30)-(241, 370) of the 271 × 400 design, a few pixels in, and
# from design row 40 down, below the header strip and its green line.
view_rect() {
    VX=$((X + WIDTH * 30 / 271 + 2)); VY=$((Y + HEIGHT * 40 / 400))
    VW=$((WIDTH * 211 / 271 - 4)); VH=$((HEIGHT * 330 / 400 - 2))
}
# The page view itself (X, Y, WIDTH, HEIGHT set): PX, PY, PW, PH.
page_rect() {
    PX=$((X + WIDTH * 30 / 271)); PY=$((Y + HEIGHT * 30 / 400))
    PW=$((WIDTH * 241 / 271 - WIDTH * 30 / 271)); PH=$((HEIGHT * 370 / 400 - HEIGHT * 30 / 400))
}
green_in_view() { count_colour "$VX" "$VY" "$VW" "$VH" '#008000'; }
green_at_least() { [ "$(green_in_view)" -ge "$1" ]; }
green_at_most() { [ "$(green_in_view)" -le "$1" ]; }
# Starts the run on PAGE (written into the settings file, with LANGUAGE as
# write_settings takes it) and waits until the page is open: the opening
# rewrites the file.
start_on_page() {
    write_settings "$1" "${2:-0}"
    touch -d '2000-01-01' "$(settings_file)"
    start_app
    wait_until 60 "the main window" has_main_window
    wait_until 30 "page $1 to open" settings_rewritten
    main_geometry
    view_rect
}
settings_rewritten() { [ "$(stat -c %Y "$(settings_file)")" -gt 946684800 ]; }

# --- the update server and the browser ----------------------------------------
# start_update_server MODE [BODY]: the loopback server of update_server.py
# ("answer" with BODY, or "silent"), its log in $UPDATE_LOG; the next
# start_app asks it. The scenario's cleanup stops it.
start_update_server() {
    local port_file="$E2E_OUTPUT/update-port"
    UPDATE_LOG="$E2E_OUTPUT/update-server.log"
    rm -f "$port_file" "$UPDATE_LOG"
    touch "$UPDATE_LOG"
    printf '%s' "${2:-}" >"$E2E_OUTPUT/update-body"
    [ -n "${UPDATE_SERVER_PID:-}" ] && kill "$UPDATE_SERVER_PID" 2>/dev/null || true
    /usr/bin/python3 "$E2E_DIR/update_server.py" --mode "$1" --body-file "$E2E_OUTPUT/update-body" \
        --port-file "$port_file" --log "$UPDATE_LOG" --max-connections 2 --lifetime 120 &
    UPDATE_SERVER_PID=$!
    wait_until 10 "the update server to listen" test -s "$port_file"
    APP_UPDATE_URL="http://127.0.0.1:$(cat "$port_file")/appversion/getappvr.php"
}
update_log_has() { grep -qx "$1" "$UPDATE_LOG"; }

# Points the prefix's browser launcher (winebrowser) at a script that writes
# each address it is given to $BROWSER_LOG; the cleanup restores the launcher.
record_browser() {
    BROWSER_LOG="$E2E_OUTPUT/browser.log"
    : >"$BROWSER_LOG"
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >>"%s"\n' "$BROWSER_LOG" >"$E2E_OUTPUT/browser.sh"
    chmod +x "$E2E_OUTPUT/browser.sh"
    BROWSER_RECORDED=1
    wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /d "$E2E_OUTPUT/browser.sh" /f >/dev/null 2>&1 ||
        fail "cannot point the browser launcher at the recording script"
}
# browser_got ADDRESS: the launcher was given ADDRESS (the shell may add the
# root's "/" to a bare site address).
browser_got() { grep -qxF -e "$1" -e "$1/" "$BROWSER_LOG"; }

# post_to_window CLASS MESSAGE [WPARAM [LPARAM]]: posts a window message (decimal) to
# the first visible window of that Win32 class, as another window of the
# program or a menu would.
post_to_window() { wine "${TIRAVEL_WINTEXT:?}" --post "$@" >/dev/null 2>&1; }
# foreground_is CLASS: the Win32 foreground window is of that class.
foreground_is() { [ "$(wine "${TIRAVEL_WINTEXT:?}" --foreground 2>/dev/null | tr -d '\r')" = "$1" ]; }
# window_controls CLASS: the child controls of the visible windows of that
# Win32 class, one line each: window number, id, screen left top right
# bottom, text (line breaks as \n). Fails when there is no such window.
window_controls() { wine "${TIRAVEL_WINTEXT:?TIRAVEL_WINTEXT names tiravel-wintext.exe}" "$1" 2>/dev/null | tr -d '\r'; }
has_window_of_class() { window_controls "$1" >/dev/null; }
# window_places CLASS: the outer rectangles of the visible windows of that
# Win32 class, newest on top first: left top right bottom.
window_places() { wine "${TIRAVEL_WINTEXT:?}" --places "$1" 2>/dev/null | tr -d '\r'; }
# focus_main: the main window in front with the keys, as a click on its frame gives it.
focus_main() {
    local w
    w=$(main_window)
    xdotool windowfocus --sync "$w" 2>/dev/null || true
    press ctrl+d  # the main window's own key: it has the keys now
}
# open_menu_item N: the popup menu from the keyboard (the menu key), then
# its Nth item (separators not counted) with the arrows and Enter.
open_menu_item() {
    local before
    before=$(visible_windows)
    press Menu
    wait_until 10 "the popup menu" has_new_window "$before"
    xdotool key --delay 40 $(printf 'Down %.0s' $(seq "$1")) Return
}
no_window_of_class() { ! window_controls "$1" >/dev/null; }
# control_text CLASS ID: the text of one control of the first such window.
control_text() { window_controls "$1" | awk -v id="$2" '$1 == 0 && $2 == id' | head -n 1 | cut -d' ' -f7-; }
# click_control CLASS ID: a left click in the middle of that control.
click_control() {
    local l t r b
    read -r l t r b < <(window_controls "$1" | awk -v id="$2" '$1 == 0 && $2 == id { print $3, $4, $5, $6; exit }')
    [ -n "${b:-}" ] || fail "no control $2 in a window of class $1"
    xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1
}

# Scenarios that need a resource the executable does not carry yet end as
# skipped (ctest counts exit code 77 as a skip), never as passed.
exe_has_resource() {
    /usr/bin/python3 - "$TIRAVEL_EXE" "$1" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
sys.exit(0 if sys.argv[2].upper().encode('utf-16-le') in data else 1)
PY
}
require_resource() {
    exe_has_resource "$1" || { echo "skipped: the executable has no resource $1" >&2; exit 77; }
}

# --- the Quran fonts -------------------------------------------------------------
FONTS_KEY='HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts'
REGULAR_FONT_FILE='VerizevuZivo1 Ver19.ttf'
BOLD_FONT_FILE='VerizevuZivo1B Ver19.ttf'
REGULAR_FONT_VALUE='Harvik HAFS Uthmanic Script (TrueType)'
BOLD_FONT_VALUE='Harvik HAFS Uthmanic Script Bold (TrueType)'
fonts_folder() { echo "$WINEPREFIX/drive_c/windows/Fonts"; }
# font_value NAME: the data of a value under the system Fonts key, or nothing.
font_value() {
    wine reg query "$FONTS_KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 {sub(/^[ \t]+/, "", $2); print $2}'
}
# Takes both faces out of the prefix: their files, those of any version, and their values.
remove_fonts() {
    rm -f "$(fonts_folder)"/'VerizevuZivo1 Ver'*.ttf "$(fonts_folder)"/'VerizevuZivo1B Ver'*.ttf
    wine reg delete "$FONTS_KEY" /v "$REGULAR_FONT_VALUE" /f >/dev/null 2>&1 || true
    wine reg delete "$FONTS_KEY" /v "$BOLD_FONT_VALUE" /f >/dev/null 2>&1 || true
}
# Both faces are in the Fonts folder and both values name them.
fonts_installed() {
    [ -f "$(fonts_folder)/$REGULAR_FONT_FILE" ] && [ -f "$(fonts_folder)/$BOLD_FONT_FILE" ] &&
        [ "$(font_value "$REGULAR_FONT_VALUE")" = "$REGULAR_FONT_FILE" ] &&
        [ "$(font_value "$BOLD_FONT_VALUE")" = "$BOLD_FONT_FILE" ]
}
# The title of an X window.
window_title() { xdotool getwindowname "$1" 2>/dev/null; }
