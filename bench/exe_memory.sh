#!/usr/bin/env bash
# Resident memory of the running executable under Wine: started on page 50
# in the scenarios' prefix (fonts installed), six page turns with Left, each
# waited for in the settings file, then VmRSS of the Tiravel.exe process,
# split by what its pages hold (from /proc/PID/smaps):
#   exe image    the executable's own pages read so far (code, resources)
#   files        every other mapped file: Wine's DLLs, the Unix libraries
#                under them, fonts, the locale tables
#   anonymous    the heap of both sides, thread stacks, window surfaces
# and, for Wine's share, the same figures of bench/wine/EmptyWindow.cpp (a
# window of the same size, toolchain and DLLs, and nothing else) started the
# same way. The program's own data are what its anonymous pages hold beyond
# the empty window's; build/native/bin/memory_breakdown splits them.
# Holds the machine's Wine lock itself.
#
#   bash bench/exe_memory.sh [path/to/Tiravel.exe]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
export TIRAVEL_EXE=$(realpath "${1:-$here/build/windows/bin/Tiravel.exe}")
empty_exe=$(dirname "$TIRAVEL_EXE")/empty_window.exe
exec 9>/tmp/tiravel-wine.lock
flock 9
source "$here/tests/e2e/lib.sh"

# kB of one process's resident pages by kind, as "exe files anonymous total".
resident_kinds() {
    /usr/bin/python3 - "$1" "$2" <<'PY'
import re, sys
pid, exe = sys.argv[1], sys.argv[2]
kinds = {"exe": 0, "files": 0, "anonymous": 0}
name = None
with open(f"/proc/{pid}/smaps") as smaps:
    for line in smaps:
        head = re.match(r"^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$", line)
        if head:
            name = head.group(1)
            continue
        if line.startswith("Rss:"):
            kb = int(line.split()[1])
            if name.endswith(exe):
                kinds["exe"] += kb
            elif name.startswith("/") and not name.startswith("/SYSV"):
                kinds["files"] += kb
            else:
                kinds["anonymous"] += kb
print(kinds["exe"], kinds["files"], kinds["anonymous"], sum(kinds.values()))
PY
}
report() {  # report NAME "exe files anonymous total", in MB of 1000 kB as VmRSS
    awk -v name="$1" -v kb="$2" 'BEGIN {
        split(kb, k, " ")
        printf "%-14s exe image %5.1f  files %5.1f  anonymous %5.1f  total %5.1f MB\n", name, k[1] / 1000, k[2] / 1000, k[3] / 1000, k[4] / 1000
    }'
}

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
program=$(resident_kinds "$APP_PID" Tiravel.exe)
press Escape
wait_until 30 "the run to end after Escape" app_ended

if [ -f "$empty_exe" ]; then
    wine "$empty_exe" >"$E2E_OUTPUT/empty.log" 2>&1 </dev/null &
    APP_PID=$!
    empty_window() { xdotool search --name '^Empty window$' 2>/dev/null | head -1; }
    has_empty_window() { [ -n "$(empty_window)" ]; }
    wait_until 60 "the empty window" has_empty_window
    # Painted once it has been mapped and exposed: give the message loop a
    # round trip by asking the window its geometry through X.
    xdotool getwindowgeometry "$(empty_window)" >/dev/null
    report "Tiravel.exe" "$program"
    report "empty window" "$(resident_kinds "$APP_PID" empty_window.exe)"
    xdotool key --window "$(empty_window)" Escape
    wait_until 30 "the empty window to close" app_ended
else
    report "Tiravel.exe" "$program"
    echo "no $empty_exe: Wine's share not measured (build the windows preset)"
fi
