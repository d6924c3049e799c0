#!/usr/bin/env bash
# Find by real keys, in the real program under a virtual X server, on the guide's own pages:
# Ctrl+F in chapter 1, words typed, F3, Escape; then Ctrl+Shift+F, an accented name typed
# without its accent, and Enter, which must open the chapter with the match highlighted.
#   run_find.sh PROGRAM SOURCE_DIR
# Exits 77 (skipped) only when no X server can be started or driven here.
set -euo pipefail
log() { echo "e2e_find: $*"; }

if [ "${3:-}" = --inside ]; then
  program=$1
  timeout 10 xdotool getdisplaygeometry >/dev/null || exit 77
  touch .x-started
  unset WAYLAND_DISPLAY
  QT_QPA_PLATFORM=xcb "$program" >program.log 2>&1 &
  pid=$!
  trap 'kill $pid 2>/dev/null || true' EXIT
  fail() { log "FAIL: $* (screenshot $PWD/find.png)"; import -silent -window root find.png; sed 's/^/  | /' program.log; exit 1; }
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvane' | head -n 1) || fail "no window"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # The Study Guide's view (7,56 729x329 on a page at 8,30 of the window).
  view="729x329+$((X + 15))+$((Y + 86))"
  count() { # pixels of exactly colour $1 in the view
    import -silent -window root png:- | convert png:- -crop "$view" +repage -fill white +opaque "$1" \
      -fill black -opaque "$1" -colorspace gray -format '%[fx:round((1-mean)*w*h)]' info:
  }
  shot() { import -silent -window root png:- | convert png:- -crop "$view" +repage "$1"; }
  wait_for() { # colour, more or fewer, pixels
    for _ in $(seq 40); do
      n=$(count "$1")
      if [ "$2" = more ] && [ "$n" -gt "$3" ]; then return 0; fi
      if [ "$2" = fewer ] && [ "$n" -lt "$3" ]; then return 0; fi
      sleep 0.1
    done
    return 1
  }
  wait_for '#800000' more 100 || fail "chapter 1 is not shown"
  current='#FF9632' other='#FFFF00' # the match moved to, and every other one

  xdotool key --clearmodifiers ctrl+f
  sleep 0.3
  xdotool type --delay 60 canada
  wait_for "$current" more 50 || fail "Ctrl+F and typing highlighted no match"
  wait_for "$other" more 50 || fail "the other matches are not highlighted"
  shot first.png
  xdotool key F3
  sleep 0.3
  shot second.png
  moved=$(compare -metric AE first.png second.png null: 2>&1 || true)
  [ "${moved%% *}" -gt 20 ] || fail "F3 did not move to the next match"
  xdotool key Escape
  wait_for "$other" fewer 1 || fail "Escape left the highlights"
  log "Ctrl+F, F3 and Escape in chapter 1"

  xdotool key --clearmodifiers ctrl+shift+f
  sleep 0.3
  xdotool type --delay 60 metis
  sleep 0.3
  xdotool key Return
  wait_for "$current" more 50 || fail "Enter did not open a page at the match"
  [ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" -eq 1 ] || fail "another window is open"
  log "Ctrl+Shift+F, metis, Enter: a chapter opened with Métis highlighted"
  exit 0
fi

for tool in xvfb-run Xvfb xauth xdotool import convert compare; do
  command -v "$tool" >/dev/null || { log "SKIP: $tool is not installed"; exit 77; }
done
program=$(realpath "$1")
source=$(realpath "$2")
work=$(mktemp -d)
status=0
trap 'if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then rm -rf "$work"; else log "files kept in $work"; fi' EXIT
ln -s "$source/guide/study" "$work/study"
ln -s "$source/guide/answers" "$work/answers"
(cd "$work" && XDG_DATA_HOME=$work/data LANGUAGE=en timeout -k 5 60 \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "$(realpath "$0")" "$program" "$source" --inside) ||
  status=$?
[ -e "$work/.x-started" ] || { status=77; log "SKIP: no virtual X server could be started here"; exit 77; }
[ "$status" -eq 0 ] && log PASS
exit "$status"
