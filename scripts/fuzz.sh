#!/usr/bin/env bash
# A fuzzing campaign by hand: scripts/fuzz.sh TARGET SECONDS
#
# Builds what is out of date, then runs libFuzzer on a working copy of the
# target's corpus (build/fuzz/work/TARGET: the generated seeds, the committed
# ones and whatever earlier campaigns added), for SECONDS. It keeps going past
# a crash, a timeout or running out of memory, so one campaign can find more
# than one fault; every input that failed is written to
# build/fuzz/findings/TARGET. Ends with one line: target, seconds,
# executions, executions per second and the number of new findings.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
cd "$TIRAVEL_ROOT"

# Every fuzz/NAME.cpp is a target.
usage() { echo "usage: scripts/fuzz.sh TARGET SECONDS (targets:" $(basename -s .cpp fuzz/*.cpp)")" >&2; exit 2; }
[ $# -eq 2 ] && [[ $2 =~ ^[0-9]+$ ]] && [ "$2" -gt 0 ] && [ -f "fuzz/$1.cpp" ] || usage
target=$1 seconds=$2

bash scripts/build.sh native >/dev/null
bash scripts/build.sh fuzz >/dev/null

work=build/fuzz/work/$target findings=build/fuzz/findings/$target
mkdir -p "$work" "$findings"
# New seeds join the working copy (as links where they can: libFuzzer only
# adds and removes files there); what earlier campaigns found stays.
for seeds in build/fuzz/corpus/"$target" fuzz/seeds/"$target"; do
    [ -d "$seeds" ] || continue
    cp -n -l "$seeds"/* "$work"/ 2>/dev/null || cp -n "$seeds"/* "$work"/
done

before=$(find "$findings" -type f | wc -l)
log=build/fuzz/$target.log
start=$(date +%s.%N)
build/fuzz/bin/fuzz_"$target" -fork=1 -ignore_crashes=1 -ignore_ooms=1 -ignore_timeouts=1 \
    -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" "$work" >"$log" 2>&1 &
fuzzer=$!

# The jobs of fork mode are watched: the leak checker stops a job's threads
# to scan its memory, and a job left stopped (or running far past the 300 s
# that fork mode gives a job) would keep the campaign waiting for ever. Such
# a job is killed; fork mode counts it as a crash and starts another, and
# leak checking stays on. At the campaign's end (plus a grace period) every
# job left and the fuzzer itself are ended.
descendants() {
    local p
    for p in $(pgrep -P "$1" 2>/dev/null); do echo "$p"; descendants "$p"; done
}
declare -A stopped_since=()
deadline=$(( $(date +%s) + seconds + 120 ))
while kill -0 "$fuzzer" 2>/dev/null; do
    sleep 5
    now=$(date +%s)
    for job in $(descendants "$fuzzer"); do
        read -r state age < <(ps -o stat=,etimes= -p "$job" 2>/dev/null) || continue
        if [[ $state == [Tt]* ]]; then
            stopped_since[$job]=${stopped_since[$job]:-$now}
        else
            unset "stopped_since[$job]"
        fi
        if { [ -n "${stopped_since[$job]:-}" ] && [ $((now - stopped_since[$job])) -ge 60 ]; } || [ "$age" -gt 420 ]; then
            echo "fuzz.sh: job $job stalled (state $state, $age s): killed" >>"$log"
            kill -9 "$job" 2>/dev/null || true
            unset "stopped_since[$job]"
        fi
    done
    if [ "$now" -gt "$deadline" ]; then
        echo "fuzz.sh: the campaign outlived its time: ended" >>"$log"
        for job in $(descendants "$fuzzer"); do kill -9 "$job" 2>/dev/null || true; done
        kill -9 "$fuzzer" 2>/dev/null || true
    fi
done
wait "$fuzzer" || true
end=$(date +%s.%N)
after=$(find "$findings" -type f | wc -l)

# Fork mode reports the executions of all its jobs so far on lines "#N: ...".
executions=$(grep -oE '^#[0-9]+:' "$log" | tail -n 1 | tr -dc '0-9')
executions=${executions:-0}
awk -v t="$target" -v n="$executions" -v s="$start" -v e="$end" -v f=$((after - before)) -v d="$findings" \
    'BEGIN { el = e - s; printf "%s: %.0f s, %d executions, %.0f exec/s, %d new findings (%s)\n", t, el, n, n / el, f, d }'
