#!/usr/bin/env bash
# Measures start-up to the first shown window under Xvfb, the program's peak memory, and the
# test engine's timings. Figures, not pass/fail: run it after a change that may cost time.
#   tools/benchmark.sh [build-dir]   (default build/release, made if missing)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
if [ ! -x "$build/src/orvane" ]; then
  cmake --preset release >/dev/null && cmake --build --preset release
fi
program=$(realpath "$build/src/orvane")

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  cd guide
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o /tmp/orvane-peak.$$ "'"$program"'" &
    timer=$!
    for _ in $(seq 1000); do
      xdotool search --onlyvisible --name "Orvane 1.3" >/dev/null 2>&1 && break
      sleep 0.01
    done
    shown=$(date +%s%N)
    sleep 0.5
    pkill -P "$timer" || true
    wait "$timer" || true
    echo "run $run: first window after $(( (shown - start) / 1000000 )) ms, peak memory $(tail -n 1 /tmp/orvane-peak.$$) KiB"
  done
  rm -f /tmp/orvane-peak.$$
'

bench=build/dev/tests/bench_testpage
if [ ! -x "$bench" ]; then
  cmake --preset dev >/dev/null && cmake --build --preset dev --target bench_testpage
fi
QT_QPA_PLATFORM=offscreen "$bench"
