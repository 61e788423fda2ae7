#!/usr/bin/env bash
# Times the program's start-up: from launching the process to the first paint of the main window
# (the name database keeps loading behind it). Runs the program RUNS times (default 20) under
# Xvfb, or on the offscreen platform when Xvfb is missing, and prints the wall time of each whole
# start and the program's own figure, then the minimum and median.
# Usage: bench/startup/measure_startup.sh [build-folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-20}
program="$build/bin/babyname"
[ -x "$program" ] || { echo "no program at $program; build first" >&2; exit 2; }

run_once() {
    local lock
    lock=$(mktemp -u)
    BABYNAME_LOCK_FILE="$lock" BABYNAME_EXIT_AFTER_FIRST_PAINT=1 "$program"
}

if command -v Xvfb >/dev/null 2>&1 && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # One X server for every run, so its own start-up is not counted.
    Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null' EXIT
    export DISPLAY=:97
    sleep 1
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
else
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

wall=()
inside=()
for ((i = 0; i < runs; ++i)); do
    start=$(date +%s%N)
    line=$(run_once | grep 'first paint after' || true)
    end=$(date +%s%N)
    wall+=($(((end - start) / 1000000)))
    inside+=("$(echo "$line" | awk '{print $4}')")
done
summary() { sort -n | awk '{a[NR]=$1} END {printf "min %s ms, median %s ms\n", a[1], a[int((NR+1)/2)]}'; }
echo "platform: $QT_QPA_PLATFORM, runs: $runs"
echo -n "process launch to first paint (wall): "; printf '%s\n' "${wall[@]}" | summary
echo -n "main() to first paint (in program):   "; printf '%s\n' "${inside[@]}" | summary
