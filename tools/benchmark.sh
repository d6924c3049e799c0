#!/usr/bin/env bash
# Start-up and memory as ratios to a bare Qt window, and the test engine's times, from a
# release build. Shared machines make absolute start-up times vary from run to run by more than
# the differences that matter, so the program is run alternately with a bare window of the same
# size under one virtual X server, and what counts is the ratio of the two.
#   tools/benchmark.sh [build-dir]     (default build/bench-release, configured and built if need be)
# Environment: RUNS (measured runs of each program, default 9, at least 7), SETTLE_MS (time
# left to each program after its window is mapped, before its peak memory is read; default
# 500), JOBS (build jobs, default 1).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath -m "${1:-build/bench-release}")
runs=${RUNS:-9}
settle=${SETTLE_MS:-500}
jobs=${JOBS:-1}
title='Orvane 1.3 (jan-feb.2003)'
bare_title='Bare window'
[ "$runs" -ge 7 ] || { echo "benchmark: RUNS must be at least 7" >&2; exit 2; }

# --- What it needs -------------------------------------------------------------------------
bash tools/deps.sh run
missing=()
for p in xvfb xauth libx11-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
fi
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
if [ "$build_type" != Release ]; then
  echo "benchmark: $build is a '$build_type' build; the figures below are not release figures" >&2
fi
grep -q '^BUILD_TESTING:BOOL=ON' "$build/CMakeCache.txt" ||
  cmake -S . -B "$build" -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j "$jobs" --target orvane bench_testpage
# The yardstick gets the same compiler, build type and Qt as the program.
cmake -S tools/bench -B "$build/bench-tools" -G Ninja -DCMAKE_BUILD_TYPE="${build_type:-Release}" >/dev/null
cmake --build "$build/bench-tools" -j "$jobs"

program=$build/src/orvane
bare=$build/bench-tools/barewindow
launch=$build/bench-tools/maplaunch
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# --- Start-up and memory, under one virtual X server ----------------------------------------
# Inside the server: a warm-up run of each (fills the disk and font caches), then the measured
# runs in pairs, the order swapped from pair to pair so that neither program always follows the
# other. One line per run: "<name> <map_ms> <maxrss_kib>".
export BENCH_PROGRAM=$program BENCH_BARE=$bare BENCH_LAUNCH=$launch BENCH_TITLE=$title \
  BENCH_BARE_TITLE=$bare_title BENCH_RUNS=$runs BENCH_SETTLE=$settle BENCH_OUT=$results/runs
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  set -euo pipefail
  cd guide # the program finds its pages from the working folder
  export XDG_RUNTIME_DIR=$(mktemp -d)
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  # Now and then the launcher cannot connect to a server shared with other work on the
  # machine; such a run is tried again rather than ending the whole benchmark.
  one() { # name title executable
    local line attempt
    for attempt in 1 2 3; do
      if line=$("$BENCH_LAUNCH" -t "$2" -s "$BENCH_SETTLE" "$3" 2>/dev/null); then
        set -- "$1" $line
        echo "$1 ${2#map_ms=} ${3#maxrss_kib=}"
        return 0
      fi
    done
    echo "benchmark: $1 did not show its window" >&2
    exit 1
  }
  one bare "$BENCH_BARE_TITLE" "$BENCH_BARE" >/dev/null
  one orvane "$BENCH_TITLE" "$BENCH_PROGRAM" >/dev/null
  for ((i = 1; i <= BENCH_RUNS; i++)); do
    if ((i % 2)); then
      one bare "$BENCH_BARE_TITLE" "$BENCH_BARE"; one orvane "$BENCH_TITLE" "$BENCH_PROGRAM"
    else
      one orvane "$BENCH_TITLE" "$BENCH_PROGRAM"; one bare "$BENCH_BARE_TITLE" "$BENCH_BARE"
    fi
  done >"$BENCH_OUT"
  rm -rf "$XDG_RUNTIME_DIR"
'

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_of() { awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$results/runs"; }
# Run i of the program over run i of the bare window: the two ran next to each other.
pair_ratios() { paste <(column_of orvane "$1") <(column_of bare "$1") | awk '{ printf "%.4f\n", $1 / $2 }'; }

bare_map=$(column_of bare 2 | median)
orvane_map=$(column_of orvane 2 | median)
map_ratio=$(pair_ratios 2 | median)
bare_rss=$(column_of bare 3 | median)
orvane_rss=$(column_of orvane 3 | median)
rss_ratio=$(pair_ratios 3 | median)

# --- The test engine ------------------------------------------------------------------------
mkdir -m 700 "$results/runtime"
XDG_RUNTIME_DIR=$results/runtime QT_QPA_PLATFORM=offscreen "$build/tests/bench_testpage" >"$results/engine"
value() { sed -n "s/^$1=\([0-9.]*\).*/\1/p" "$results/engine"; }
advance=$(value advance_worst_ms)
completion=$(value completion_ms)

# --- Report ---------------------------------------------------------------------------------
verdict() { awk -v v="$1" -v limit="$2" -v op="$3" 'BEGIN { ok = (op == "<=") ? v <= limit : v < limit; print ok ? "meets" : "MISSES" }'; }
echo
echo "== Start-up and memory: medians of $runs runs each under Xvfb, ${settle} ms settle"
printf '%-34s %10s %10s %8s  %s\n' "" "bare" "orvane" "ratio" "target"
printf '%-34s %10.1f %10.1f %8.2f  <= 1.2 %s\n' "start-up to mapped window (ms)" \
  "$bare_map" "$orvane_map" "$map_ratio" "$(verdict "$map_ratio" 1.2 '<=')"
printf '%-34s %10.0f %10.0f %8.2f  <= 1.3 %s\n' "peak memory (KiB)" \
  "$bare_rss" "$orvane_rss" "$rss_ratio" "$(verdict "$rss_ratio" 1.3 '<=')"
echo "(ratio: median over the runs of each program run over the bare window run beside it)"
echo
echo "== Test engine, 178-question tests answered all wrong, handler and repaint"
sed 's/^/  /' "$results/engine"
printf '%-34s %10.3f ms  < 1 ms  %s\n' "one advance, worst of a test" "$advance" "$(verdict "$advance" 1 '<')"
printf '%-34s %10.3f ms  < 16 ms %s\n' "completion, first screen" "$completion" "$(verdict "$completion" 16 '<')"
whole=$(awk -v a="$completion" -v b="$(value rest_of_report_layout_ms)" 'BEGIN { print a + b }')
printf '%-34s %10.3f ms  < 16 ms %s\n' "completion, whole report laid out" "$whole" "$(verdict "$whole" 16 '<')"
