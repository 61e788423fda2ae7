#!/usr/bin/env bash
# Times whole babyname-cli processes of an earlier commit and of this build side by side, in one
# run, so that the ratios hold even on a machine that other work keeps busy: each case runs RUNS
# times, the two programs taking turns, and the script prints the median wall time, the median
# processor time (user + system; less disturbed by other work than the wall time) and the median
# peak resident memory (/usr/bin/time -v) of each, their ratios, and the load average before and
# after. The earlier program is built once from a git worktree of that commit, into
# build/compare-<commit>, and kept for the next comparison.
#
# Usage: bench/compare_runs.sh [earlier-commit] [runs] [build-folder]
#   earlier-commit  default HEAD~1
#   runs            default 9
#   build-folder    the folder of this build's program, default build
# With BABYNAME_COMPARE_WINDOW=1 it also builds the earlier window program and compares the start
# to the first paint with bench/startup/measure_startup.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
earlier=$(git rev-parse --short "${1:-HEAD~1}")
runs=${2:-9}
build=${3:-build}
database="$root/data/namedata.db"
new_cli="$root/$build/bin/babyname-cli"
[ -x "$new_cli" ] || { echo "no program at $new_cli; build babyname-cli first" >&2; exit 2; }
[ -f "$database" ] || { echo "no name database at $database" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

# ---- the earlier program --------------------------------------------------------------------
earlier_build="$root/build/compare-$earlier"
window=${BABYNAME_COMPARE_WINDOW:-0}
targets=(babyname-cli)
[ "$window" = 1 ] && targets+=(babyname)
if [ ! -x "$earlier_build/bin/babyname-cli" ] || { [ "$window" = 1 ] && [ ! -x "$earlier_build/bin/babyname" ]; }; then
    source_tree=$(mktemp -d)
    trap 'git -C "$root" worktree remove --force "$source_tree" >/dev/null 2>&1 || true' EXIT
    git worktree add --detach "$source_tree" "$earlier" >/dev/null
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
    qt=OFF
    [ "$window" = 1 ] && qt=ON
    nice cmake -S "$source_tree" -B "$earlier_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBABYNAME_WITH_BENCH=OFF -DBABYNAME_WITH_QT=$qt "${launcher[@]}" >/dev/null
    nice cmake --build "$earlier_build" -j2 --target "${targets[@]}" >/dev/null
fi
old_cli="$earlier_build/bin/babyname-cli"
# The earlier build's data/ and Help/ point into the source tree it was built from, which is gone:
# both programs read this tree's files, so the window starts with its database as it does here.
if [ "$window" = 1 ]; then
    ln -sfn "$root/data" "$earlier_build/bin/data"
    ln -sfn "$root/Help" "$earlier_build/bin/Help"
fi

# ---- measuring --------------------------------------------------------------------------------
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# One process: prints "<wall seconds> <processor seconds> <peak KB>"; the list itself goes to a file, which the two
# programs must agree on byte for byte.
measure() {
    local output=$1
    shift
    local report start end
    report=$(mktemp)
    start=$(date +%s%N)
    /usr/bin/time -v -o "$report" "$@" >"$output" 2>/dev/null
    end=$(date +%s%N)
    local wall cpu peak
    # time's own wall clock counts hundredths of a second only.
    wall=$(awk -v ns=$((end - start)) 'BEGIN {print ns / 1e9}')
    cpu=$(awk -F': ' '/User time|System time/ {s += $2} END {print s}' "$report")
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")
    rm -f "$report"
    echo "$wall $cpu $peak"
}

compare_case() {
    local name=$1
    shift
    local old_out new_out
    old_out=$(mktemp)
    new_out=$(mktemp)
    local old_wall=() old_cpu=() old_peak=() new_wall=() new_cpu=() new_peak=()
    for ((i = 0; i < runs; ++i)); do
        read -r w c p < <(measure "$old_out" "$old_cli" --db "$database" "$@")
        old_wall+=("$w")
        old_cpu+=("$c")
        old_peak+=("$p")
        read -r w c p < <(measure "$new_out" "$new_cli" --db "$database" "$@")
        new_wall+=("$w")
        new_cpu+=("$c")
        new_peak+=("$p")
    done
    local ow oc op nw nc np same
    ow=$(printf '%s\n' "${old_wall[@]}" | median)
    oc=$(printf '%s\n' "${old_cpu[@]}" | median)
    op=$(printf '%s\n' "${old_peak[@]}" | median)
    nw=$(printf '%s\n' "${new_wall[@]}" | median)
    nc=$(printf '%s\n' "${new_cpu[@]}" | median)
    np=$(printf '%s\n' "${new_peak[@]}" | median)
    same="same output"
    cmp -s "$old_out" "$new_out" || same="OUTPUT DIFFERS"
    rm -f "$old_out" "$new_out"
    awk -v n="$name" -v ow="$ow" -v nw="$nw" -v oc="$oc" -v nc="$nc" -v op="$op" -v np="$np" \
        -v s="$same" 'BEGIN {
        printf "%-22s %7.0f %7.0f %5.2fx  %7.0f %7.0f %5.2fx  %7.1f %7.1f %5.2fx  %s\n",
               n, ow * 1000, nw * 1000, (nw > 0 ? ow / nw : 0), oc * 1000, nc * 1000,
               (nc > 0 ? oc / nc : 0), op / 1024, np / 1024, (np > 0 ? op / np : 0), s }'
}

echo "earlier: $earlier ($(git log -1 --format=%s "$earlier" | cut -c1-60))"
echo "new:     $new_cli ($(git rev-parse --short HEAD)$(git diff --quiet || echo ', with changes'))"
echo "runs per case: $runs, medians; load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s %23s  %23s  %23s\n' "" "wall ms (earlier new)" "processor ms" "peak MB"
printf '%-22s %7s %7s %6s  %7s %7s %6s  %7s %7s %6s\n' case earlier new ratio earlier new ratio \
    earlier new ratio
compare_case "high-score" generate --mode 高分 --surname 李 --sex 男 --length 2 --seed 7
compare_case "super-lucky --must all" generate --mode 超吉 --surname 李 --sex 男 --length 2 --seed 7 --must 金木水火土
compare_case "super-lucky --second" generate --mode 超吉 --surname 李 --sex 男 --seed 11 --second 金水
compare_case "combination" generate --mode 组合 --surname 李 --sex 男
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "high-score: 高分 李 男 二字 --seed 7; super-lucky: 超吉 李 男 with --must 金木水火土 or"
echo "--second 金水; combination: 组合 李 with the window's default characters"

if [ "$window" = 1 ]; then
    echo
    echo "window, process start to first paint (earlier, then new):"
    startup_runs=$((runs < 5 ? 5 : runs))
    bench/startup/measure_startup.sh "$earlier_build" "$startup_runs"
    bench/startup/measure_startup.sh "$build" "$startup_runs"
    echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
fi
