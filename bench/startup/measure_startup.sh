#!/usr/bin/env bash
# Times the program's start-up as a user sees it: from launching the process to the first paint
# of the main window (the name database keeps loading behind it). Runs the program RUNS times
# (default 20) under Xvfb, or on the offscreen platform when Xvfb is missing, and prints the
# minimum and median of
#   - process launch to first paint: the clock is read just before the process is started and
#     compared with the moment of the first paint, which the program prints on the same steady
#     clock (a program too old to print it is timed by when its line arrives);
#   - main() to first paint, as the program measures it itself;
#   - the whole run from launch to exit, which shows that the exit waits for nothing.
# Usage: bench/startup/measure_startup.sh [build-folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build}
runs=${2:-20}
program="$build/bin/babyname"
[ -x "$program" ] || { echo "no program at $program; build first" >&2; exit 2; }
# Without its database the load fails at once and the figures would not be the program's own.
[ -f "$build/bin/data/namedata.db" ] ||
    { echo "no name database at $build/bin/data/namedata.db" >&2; exit 2; }
command -v python3 >/dev/null || { echo "needs python3 for the steady clock" >&2; exit 2; }

# One start: prints "<launch to first paint ms> <main() to first paint ms> <launch to exit ms>
# <exit code>", "nan" for the figures of a start that showed no first paint. Python reads
# CLOCK_MONOTONIC, the clock the program's steady clock is on.
run_once='
import re, subprocess, sys, time
launch = time.monotonic_ns()
child = subprocess.Popen([sys.argv[1]], stdout=subprocess.PIPE, text=True)
to_paint = inside = "nan"
for line in child.stdout:
    arrived = time.monotonic_ns()
    found = re.search(r"first paint after ([0-9.]+) ms(?:, at ([0-9]+) ns)?", line)
    if found:
        inside = found.group(1)
        painted = int(found.group(2)) if found.group(2) else arrived
        to_paint = "%.1f" % ((painted - launch) / 1e6)
code = child.wait()
print(to_paint, inside, "%.1f" % ((time.monotonic_ns() - launch) / 1e6), code)
'

if command -v Xvfb >/dev/null 2>&1 && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # One X server for every run, so its own start-up is not counted, on a display number that
    # is free: the server picks it and writes it to the pipe once it takes connections.
    ready=$(mktemp -u)
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 1280x800x24 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null; rm -f "$ready"' EXIT
    read -r number <"$ready" || { echo "Xvfb did not start" >&2; exit 2; }
    export DISPLAY=:$number
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
else
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fi

to_paint=()
inside=()
whole=()
for ((i = 0; i < runs; ++i)); do
    lock=$(mktemp -u)
    read -r p m w code < <(BABYNAME_LOCK_FILE="$lock" BABYNAME_EXIT_AFTER_FIRST_PAINT=1 \
        python3 -c "$run_once" "$program")
    rm -f "$lock"
    if [ "$p" = nan ] || [ "$code" != 0 ]; then
        echo "run $((i + 1)): the program showed no first paint or failed (exit code $code)" >&2
        exit 1
    fi
    to_paint+=("$p")
    inside+=("$m")
    whole+=("$w")
done
summary() { sort -n | awk '{a[NR]=$1} END {printf "min %s ms, median %s ms\n", a[1], a[int((NR+1)/2)]}'; }
echo "platform: $QT_QPA_PLATFORM, runs: $runs, load average: $(cut -d' ' -f1-3 /proc/loadavg)"
echo -n "process launch to first paint:       "; printf '%s\n' "${to_paint[@]}" | summary
echo -n "main() to first paint (in program):  "; printf '%s\n' "${inside[@]}" | summary
echo -n "whole run, launch to exit (wall):    "; printf '%s\n' "${whole[@]}" | summary
