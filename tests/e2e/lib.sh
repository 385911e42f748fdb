# Sourced by every scenario: a private Xvfb display, the Wine environment, and
# helpers that wait for a state (a window, a file, a pixel) instead of a time.
set -euo pipefail
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../scripts/env.sh"
: "${TIRAVEL_EXE:?TIRAVEL_EXE names the executable under test}"
: "${E2E_OUTPUT:=$(mktemp -d)}"
rm -rf "$E2E_OUTPUT"; mkdir -p "$E2E_OUTPUT"

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "e2e: $*" >&2; }

# wait_until SECONDS DESCRIPTION COMMAND...: polls COMMAND until it succeeds.
wait_until() {
    local limit=$1 what=$2; shift 2
    local deadline=$((SECONDS + limit))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "timed out waiting for $what"
        sleep 0.1
    done
}

start_display() {
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$E2E_OUTPUT/xvfb.log" 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        if wait_for_display; then fresh_wineserver; return 0; fi
        kill "$XVFB_PID" 2>/dev/null || true
    done
    fail "no free X display"
}
wait_for_display() {
    local i
    for i in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        kill -0 "$XVFB_PID" 2>/dev/null || return 1
        sleep 0.05
    done
    return 1
}

cleanup() {
    [ -n "${APP_PID:-}" ] && kill "$APP_PID" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT

# Wine's desktop process binds to the display of the Wine start that launched
# it, so each scenario begins with a wineserver of its own on its own display.
fresh_wineserver() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    wineserver -p >/dev/null 2>&1 </dev/null || true
}

start_app() {
    wine "$TIRAVEL_EXE" "$@" >"$E2E_OUTPUT/app.log" 2>&1 </dev/null &
    APP_PID=$!
}

# Prints the id of the visible main window, the X window titled "Tiravel"
# (X sees the process name as its class, not the Win32 class).
main_window() {
    xdotool search --onlyvisible --name '^Tiravel$' 2>/dev/null | head -n 1
}
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
