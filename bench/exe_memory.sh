#!/usr/bin/env bash
# Resident memory of the running executable under Wine: started on page 50
# in the scenarios' prefix (fonts installed), six page turns with Left, each
# waited for in the settings file, then VmRSS of the Tiravel.exe process.
# Holds the machine's Wine lock itself.
#
#   bash bench/exe_memory.sh [path/to/Tiravel.exe]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export TIRAVEL_EXE=$(realpath "${1:-$here/build/windows/bin/Tiravel.exe}")
exec 9>/tmp/tiravel-wine.lock
flock 9
source "$here/tests/e2e/lib.sh"
start_display
fonts_installed || wine "$TIRAVEL_EXE" '\installfonts' >"$E2E_OUTPUT/install.log" 2>&1 </dev/null
start_on_page 50
for page in 51 52 53 54 55 56; do
    press Left
    wait_until 20 "page $page to open" stored_page_is "$page"
done
# The wine launcher execs into the program: its process is the one started.
[ "$(cat "/proc/$APP_PID/comm")" = Tiravel.exe ] || fail "process $APP_PID is $(cat "/proc/$APP_PID/comm")"
echo "$(stat -c %s "$TIRAVEL_EXE") bytes: $TIRAVEL_EXE"
grep -E '^(VmRSS|VmHWM)' "/proc/$APP_PID/status"
press Escape
wait_until 30 "the run to end after Escape" app_ended
