#!/usr/bin/env bash
# Start-up and memory as ratios to a window with one label, and the keystrokes' times, from a
# release build. Shared machines make absolute start-up times vary from run to run by more than
# the differences that matter, so the program is run alternately with its yardsticks under one
# virtual X server, and what counts is the ratio of runs made side by side. The yardstick is a
# window showing one label (any window with text pays for the font database); the ratio to a
# bare window is shown for reference.
#   tools/benchmark.sh [build-dir]     (default build/bench-release, configured and built if need be)
# Environment: RUNS (measured runs of each program, default 9, at least 7), SETTLE_MS (time
# left to each program after its window is mapped, before its peak memory is read; default
# 500), JOBS (build jobs, default 1), BASELINE (a build folder of an earlier tree, built with
# its own benchmark targets: its program and its keystroke times are measured in the same run
# and shown beside these), CHECK (1: the exit status is 1 when this tree misses a target),
# BENCH_ONLY=history (only the history's cost at sizes: see below), HISTORY_SIZES (the numbers
# of tests kept, default "0 1000 10000 100000"), STARTUP_HISTORY (the sizes of history the
# program also starts with, beside no history; default "10000 100000"; empty for none).
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
build=$(realpath -m "${1:-build/bench-release}")
runs=${RUNS:-9}
settle=${SETTLE_MS:-500}
jobs=${JOBS:-1}
title='Orvane 1.3 (jan-feb.2003)'
bare_title='Bare window'
label_title='Label window'
baseline=${BASELINE:+$(realpath -m "$BASELINE")}
[ "$runs" -ge 7 ] || { echo "benchmark: RUNS must be at least 7" >&2; exit 2; }

# --- What it needs -------------------------------------------------------------------------
bash tools/deps.sh run
missing=()
for p in xvfb xauth libx11-dev libxdamage-dev; do
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
cmake --build "$build" -j "$jobs" --target orvane bench_testpage bench_history bench_guidesearch

# --- The history at sizes -------------------------------------------------------------------
# A history of each size is made in the program's own tables (tests of 5 to 178 questions,
# about 70 % right, drill answers after every tenth test), and the page's actions are timed on
# it, handler and repaint, medians of 5; the peak memory is each process's own. The curve must
# be flat: every action within a frame at any size, memory within 5 MiB of no history.
history_sizes() {
  local work size out
  work=$(mktemp -d)
  echo
  echo "== The history at sizes (release build, offscreen; medians of 5)"
  printf '%-8s %10s %10s %10s %10s %10s %10s %10s\n' tests "file MB" "B/test" "open ms" \
    "page ms" "finish ms" "answer ms" "next ms"
  for size in ${HISTORY_SIZES:-0 1000 10000 100000}; do
    out=$(XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen "$build/tests/bench_history" "$size" "$work/h")
    v() { sed -n "s/^$1=//p" <<<"$out"; }
    printf '%-8s %10.1f %10s %10s %10s %10s %10s %10s   peak %s KiB\n' "$size" \
      "$(awk -v b="$(v file_bytes)" 'BEGIN { print b / 1048576 }')" "$(v bytes_per_test)" \
      "$(v open_ms)" "$(v progress_ms)" "$(v finish_ms)" "$(v drill_answer_ms)" \
      "$(v next_question_ms)" "$(v peak_kib)"
  done
  rm -rf "$work"
}
if [ "${BENCH_ONLY:-}" = history ]; then
  history_sizes
  exit 0
fi
# The yardstick gets the same compiler, build type and Qt as the program.
cmake -S tools/bench -B "$build/bench-tools" -G Ninja -DCMAKE_BUILD_TYPE="${build_type:-Release}" >/dev/null
cmake --build "$build/bench-tools" -j "$jobs"

program=$build/src/orvane
bare=$build/bench-tools/barewindow
label=$build/bench-tools/labelwindow
launch=$build/bench-tools/maplaunch
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# --- Start-up and memory, under one virtual X server ----------------------------------------
# Inside the server: a warm-up run of each (fills the disk and font caches), then the measured
# runs in pairs, the order swapped from pair to pair so that neither program always follows the
# other. One line per run: "<name> <map_ms> <maxrss_kib>".
# The programs, as "name|title|executable"; each round runs them all, in an order turned by one
# place from round to round so that none always follows the same one.
# Each program's user folder is its own: the program with no history, and with the histories
# of STARTUP_HISTORY sizes, which must start as fast (the history is opened after the first
# frame).
homes=$results/homes
mkdir -p "$homes/empty"
programs=("bare|$bare_title|$bare|$homes/empty" "label|$label_title|$label|$homes/empty"
  "orvane|$title|$program|$homes/empty")
[ -z "$baseline" ] || programs+=("before|$title|$baseline/src/orvane|$homes/empty")
# The French edition, beside the English one.
programs+=("fr|Orvane 1.3 (janv.-févr. 2003)|$program|$homes/empty|fr")
for size in ${STARTUP_HISTORY-10000 100000}; do
  XDG_RUNTIME_DIR=$results QT_QPA_PLATFORM=offscreen "$build/tests/bench_history" "$size" \
    "$homes/h$size/orvane" >/dev/null
  programs+=("h$size|$title|$program|$homes/h$size")
done
export BENCH_LAUNCH=$launch BENCH_RUNS=$runs BENCH_SETTLE=$settle BENCH_OUT=$results/runs
export BENCH_PROGRAMS=$(printf '%s\n' "${programs[@]}")
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  set -euo pipefail
  cd guide # the program finds its pages from the working folder
  export XDG_RUNTIME_DIR=$(mktemp -d)
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  mapfile -t programs <<<"$BENCH_PROGRAMS"
  # Now and then the launcher cannot connect to a server shared with other work on the
  # machine; such a run is tried again rather than ending the whole benchmark.
  one() { # name|title|executable|user data folder[|language]
    local line attempt name title executable data language
    IFS="|" read -r name title executable data language <<<"$1"
    for attempt in 1 2 3; do
      if line=$(LANGUAGE=${language:-en} XDG_DATA_HOME=$data "$BENCH_LAUNCH" -t "$title" -s "$BENCH_SETTLE" "$executable" 2>/dev/null); then
        set -- $line
        echo "$name ${1#map_ms=} ${2#frame_ms=} ${3#maxrss_kib=}"
        return 0
      fi
    done
    echo "benchmark: $name did not show its window" >&2
    exit 1
  }
  n=${#programs[@]}
  for p in "${programs[@]}"; do one "$p" >/dev/null; done # warm-up
  for ((i = 0; i < BENCH_RUNS; i++)); do
    for ((k = 0; k < n; k++)); do one "${programs[(i + k) % n]}"; done
  done >"$BENCH_OUT"
  rm -rf "$XDG_RUNTIME_DIR"
'

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_of() { awk -v n="$1" -v c="$2" '$1 == n { print $c }' "$results/runs"; }
# Run i of one program over run i of another: the two ran in the same round.
pair_ratios() { paste <(column_of "$1" "$3") <(column_of "$2" "$3") | awk '{ printf "%.4f\n", $1 / $2 }'; }

# --- Keystrokes ----------------------------------------------------------------------------
keystrokes() { # bench_testpage output-file
  mkdir -p -m 700 "$results/runtime"
  XDG_RUNTIME_DIR=$results/runtime QT_QPA_PLATFORM=offscreen "$1" 8 "$source_dir/guide" >"$2"
}
keystrokes "$build/tests/bench_testpage" "$results/engine"
[ -z "$baseline" ] || keystrokes "$baseline/tests/bench_testpage" "$results/engine-before"
value() { sed -n "s/^$1=\([0-9.]*\).*/\1/p" "${2:-$results/engine}"; }

# --- Report ---------------------------------------------------------------------------------
# verdict value limit op [who]: a miss is remembered for CHECK=1 unless it is the baseline's.
verdict() { awk -v v="$1" -v limit="$2" -v op="$3" 'BEGIN { ok = (op == "<=") ? v <= limit : v < limit; print ok ? "meets" : "MISSES"; exit !ok }' || [ "${4:-}" = before ] || : >>"$results/missed"; }
echo
echo "== Start-up and memory: medians of $runs runs each under Xvfb, ${settle} ms settle"
row() { # caption column format names...
  local caption=$1 column=$2 format=$3 name
  shift 3
  printf '%-34s' "$caption"
  for name in "$@"; do printf " $format" "$(column_of "$name" "$column" | median)"; done
  echo
}
names=(bare label orvane)
[ -z "$baseline" ] || names+=(before)
names+=(fr)
for size in ${STARTUP_HISTORY-10000 100000}; do names+=("h$size"); done
printf '%-34s' ""; printf ' %10s' "${names[@]}"; echo
row "start-up to mapped window (ms)" 2 '%10.1f' "${names[@]}"
row "start-up to first frame (ms)" 3 '%10.1f' "${names[@]}"
row "peak memory (KiB)" 4 '%10.0f' "${names[@]}"
echo
printf '%-34s %8s %8s  %s\n' "ratio (median of side-by-side runs)" "label" "bare" "target (to label)"
for who in orvane ${baseline:+before}; do
  map_label=$(pair_ratios "$who" label 2 | median)
  frame_label=$(pair_ratios "$who" label 3 | median)
  rss_label=$(pair_ratios "$who" label 4 | median)
  printf '%-34s %8.2f %8.2f  <= 1.3 %s\n' "$who start-up to map" "$map_label" \
    "$(pair_ratios "$who" bare 2 | median)" "$(verdict "$map_label" 1.3 '<=' "$who")"
  printf '%-34s %8.2f %8.2f  <= 1.3 %s\n' "$who start-up to first frame" "$frame_label" \
    "$(pair_ratios "$who" bare 3 | median)" "$(verdict "$frame_label" 1.3 '<=' "$who")"
  printf '%-34s %8.2f %8.2f  <= 1.2 %s\n' "$who peak memory" "$rss_label" \
    "$(pair_ratios "$who" bare 4 | median)" "$(verdict "$rss_label" 1.2 '<=' "$who")"
done
for column in 2:map 3:"first frame"; do
  ratio=$(pair_ratios fr orvane "${column%%:*}" | median)
  printf '%-34s %8.3f %8s  <= 1.03 %s\n' "French, ${column#*:} / English" "$ratio" "" \
    "$(verdict "$ratio" 1.03 '<=')"
done
for size in ${STARTUP_HISTORY-10000 100000}; do
  for column in 2:map 3:"first frame"; do
    ratio=$(pair_ratios "h$size" orvane "${column%%:*}" | median)
    printf '%-34s %8.3f %8s  <= 1.03 %s\n' "$size tests, ${column#*:} / none" "$ratio" "" \
      "$(verdict "$ratio" 1.03 '<=')"
  done
  more=$(paste <(column_of "h$size" 4) <(column_of orvane 4) | awk '{ print $1 - $2 }' | median)
  printf '%-34s %8.0f %8s  <= 5120 KiB %s\n' "$size tests, memory - none (KiB)" "$more" "" \
    "$(verdict "$more" 5120 '<=')"
done
printf '%-34s %8s %8.2f\n' "label window, start-up to map" "" "$(pair_ratios label bare 2 | median)"

echo
echo "== Keystrokes, handler and repaint (medians over the rounds; 178-question tests all wrong)"
sed 's/^/  /' "$results/engine"
keystroke() { # caption key limit
  local v b
  v=$(value "$2")
  printf '%-34s %10.3f ms' "$1" "$v"
  if [ -n "$baseline" ]; then
    b=$(value "$2" "$results/engine-before")
    if [ -n "$b" ]; then printf ' (before %.3f)' "$b"; else printf ' %17s' ""; fi
  fi
  printf '  < %s ms %s\n' "$3" "$(verdict "$v" "$3" '<')"
}
keystroke "change of chapter, worst of 21" chapter_worst_ms 16
keystroke "chapter, longest layout step after" chapter_later_step_worst_ms 16
keystroke "change of practice item, worst" practice_worst_ms 16
keystroke "one advance, worst of a test" advance_worst_ms 16
keystroke "completion, first screen" completion_ms 16
# The guide search: each key typed, up to the results repainted; the index, built once in turns
# after the first frame.
mkdir -p -m 700 "$results/runtime"
XDG_RUNTIME_DIR=$results/runtime QT_QPA_PLATFORM=offscreen "$build/tests/bench_guidesearch" \
  "$source_dir/guide" >"$results/search"
sed 's/^/  /' "$results/search"
search=$(value search_key_worst_ms "$results/search")
printf '%-34s %10.3f ms  < 16 ms %s\n' "search the guide, worst key" "$search" "$(verdict "$search" 16 '<')"
search=$(value search_index_turn_worst_ms "$results/search")
printf '%-34s %10.3f ms  < 16 ms %s\n' "search index, longest turn" "$search" "$(verdict "$search" 16 '<')"
history_sizes
if [ "${CHECK:-0}" = 1 ] && [ -e "$results/missed" ]; then
  echo "benchmark: a target is missed" >&2
  exit 1
fi
