#!/usr/bin/env bash
# Speed of the dialog under Wine: Pelonix.exe side by side with a bare
# DialogBoxParam program on the same template (bench/dialog/Baseline.cpp).
#   press latency  1,000 presses of "Compute One More Digit", each timed until
#                  handled and until painted; median and 99th percentile
#   start-up       process start to the dialog shown with its fields filled
#   size           the executable as built and stripped
#   memory         peak working set after start-up and after the presses
# Runs alternate between the two programs; the figures are medians over
# the runs. Timings from a busy machine are noisy: compare the ratios.
#
# Usage: scripts/bench-dialog.sh [BUILD_DIR]   (default build/mingw)
# BENCH_RUNS (5) press runs and BENCH_STARTS (11) starts per program,
# BENCH_PRESSES (1000) presses per run.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$repo/build/mingw}
runs=${BENCH_RUNS:-5}
starts=${BENCH_STARTS:-11}
presses=${BENCH_PRESSES:-1000}

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" >/dev/null
fi
cmake --build "$build" --target Pelonix dialog_baseline dialog_bench >/dev/null

source "$repo/scripts/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
    source "$repo/scripts/xvfb.sh"
    pelonix_start_xvfb
fi
pelonix_wine_prefix

driver=$build/bench/dialog/dialog_bench.exe
declare -A exe=([baseline]=$build/bench/dialog/dialog_baseline.exe [pelonix]=$build/Pelonix.exe)
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# Runs the driver once (dialog_bench MODE EXE [COUNT]) and appends each
# "name value" it prints to $results/<program>.<name>.
measure() {
    local program=$1 mode=$2; shift 2
    local out
    out=$(timeout 900 wine "$driver" "$mode" "${exe[$program]}" "$@" | tr -d '\r') || {
        echo "bench-dialog: $program: dialog_bench $mode failed" >&2; return 1; }
    while read -r name value; do
        echo "$value" >>"$results/$program.$name"
    done <<<"$out"
}

# Alternates which program goes first, so that a drift in the machine's
# load falls on both.
order() { if [ $(($1 % 2)) -eq 0 ]; then echo baseline pelonix; else echo pelonix baseline; fi; }

echo "start-up: $starts runs of each program" >&2
for i in $(seq 1 "$starts"); do
    for program in $(order "$i"); do measure "$program" startup; done
done
echo "presses: $runs runs of $presses presses of each program" >&2
for i in $(seq 1 "$runs"); do
    for program in $(order "$i"); do measure "$program" presses "$presses"; done
done

median() { sort -g "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for program in baseline pelonix; do
    stat -c %s "${exe[$program]}" >"$results/$program.size_built_kb.raw"
    x86_64-w64-mingw32-strip -o "$results/$program.stripped.exe" "${exe[$program]}"
    stat -c %s "$results/$program.stripped.exe" >"$results/$program.size_stripped_kb.raw"
    for kind in built stripped; do
        awk '{ printf "%.1f\n", $1 / 1024 }' "$results/$program.size_${kind}_kb.raw" >"$results/$program.size_${kind}_kb"
    done
done

row() {
    local name=$1 label=$2 goal=$3
    local b p
    b=$(median "$results/baseline.$name")
    p=$(median "$results/pelonix.$name")
    awk -v l="$label" -v b="$b" -v p="$p" -v g="$goal" \
        'BEGIN { printf "%-34s %12.2f %12.2f %8.2f   %s\n", l, b, p, (b > 0 ? p / b : 0), g }'
}

echo
echo "Wine $(wine --version 2>/dev/null | head -1), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf "%-34s %12s %12s %8s   %s\n" "median of runs" "baseline" "Pelonix" "ratio" "goal"
row press_median_ms          "press, handled: median (ms)"      "<= 1.2"
row press_p99_ms             "press, handled: p99 (ms)"         "<= 1.2, < 16 ms"
row press_painted_median_ms  "press, painted: median (ms)"      "<= 1.2"
row press_painted_p99_ms     "press, painted: p99 (ms)"         "<= 1.2, < 16 ms"
row startup_ms               "start-up to fields filled (ms)"   "<= 1.2"
row size_built_kb            "size as built (KB)"               ""
row size_stripped_kb         "size stripped (KB)"               "<= 2"
row startup_peak_working_set_kb  "peak working set, started (KB)" "<= 1.2"
row presses_peak_working_set_kb  "peak working set, presses (KB)" "<= 1.2"
