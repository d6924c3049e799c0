#!/usr/bin/env bash
# End to end: starts the built program under a virtual X server in a folder of test pages,
# drives it with xdotool as a user would, and checks what the user sees and gets: the window's
# title, position and size, chapter 1 on the Study Guide page, and a five-question test clicked
# through to its result.html, checked line by line against the question bank; then the My Progress
# tab that the completed test brings, and one missed question drilled by keyboard. Without
# --installed, the same again in French (LANGUAGE=fr): the French title, the French pages, the
# words on screen read from the accessibility tree, and a report in French in Windows-1252.
#   run_e2e.sh [--installed] [--stage BUILD_DIR] [--start-in DIR] PROGRAM SOURCE_DIR
# Without options the program runs in a folder of test pages and writes its report there.
# --installed: PROGRAM is an installed one (a path, or a name found on PATH, as a desktop
#   entry's Exec line names it). It runs as an ordinary user (nobody, when this script runs
#   as root) with a new, empty home folder, started in that folder as from a terminal there,
#   or in DIR with --start-in (a menu starts programs elsewhere). It must show the installed
#   chapter 1, and leave its report in $HOME/.local/share/orvane and nowhere else.
# --stage BUILD_DIR: installs BUILD_DIR into a staging prefix first, and runs PROGRAM, a path
#   within that prefix, as an installed program.
# Exits 77 (skipped) only when no X server can be started or driven here.
set -euo pipefail

script=$(realpath "${BASH_SOURCE[0]}")
installed='' stage_build='' start_in=''
while [ $# -gt 0 ]; do
  case $1 in
    --installed) installed=1; shift ;;
    --stage) installed=1 stage_build=$(realpath "$2"); shift 2 ;;
    --start-in) start_in=$2; shift 2 ;;
    *) break ;;
  esac
done
program=$1
source=$(realpath "$2")
title=${E2E_TITLE:-'Orvane 1.3 (jan-feb.2003)'}

# Window layout, in pixels from the window's client origin.
client_w=757 client_h=427
window_x=262 window_y=221
page_x=$((4 + 4)) page_y=$((3 + 27)) # page control at (4,3), its pages at (4,27) within it
tab_y=15                             # the row of page tabs

log() { echo "e2e: $*"; }

# ---------------------------------------------------------------------------------------------
# Inside the virtual display: drive the window. Leaves result.html in the working folder.
# The program runs in E2E_START, as E2E_RUN_AS says; this part keeps its own files in the
# folder it is started in.
if [ "${3:-}" = --inside ]; then
  if ! timeout 10 xdotool getdisplaygeometry >/dev/null; then
    log "xdotool cannot talk to an X server on ${DISPLAY:-(no DISPLAY)}"
    exit 77
  fi
  touch .x-started

  unset WAYLAND_DISPLAY
  pid= watcher=
  trap 'kill $pid $watcher 2>/dev/null || true; wait 2>/dev/null || true' EXIT
  fail() {
    log "FAIL: $*"
    if [ -s program.log ]; then log "program output:"; sed 's/^/  | /' program.log; fi
    exit 1
  }

  # Xvfb (seen with 21.1 on Debian 12) can drop a client connection opened at the same moment
  # as another one, and a program that cannot connect does not start. So the watcher that waits
  # for the window connects first, and a start that failed only for want of the X connection is
  # tried again.
  # The accessibility bus, started and switched on as a screen reader does, before the program
  # looks for it.
  if [ -n "${E2E_ATSPI_PYTHON:-}" ]; then
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
      variant:boolean:true >/dev/null || fail "the accessibility bus cannot be switched on"
  fi
  for attempt in 1 2 3; do
    timeout 20 xdotool search --sync --onlyvisible --name '^Orvane' >window.id 2>/dev/null &
    watcher=$!
    sleep 0.5
    # shellcheck disable=SC2086 # E2E_RUN_AS is a command prefix, split on purpose
    (cd "$E2E_START" && QT_QPA_PLATFORM=xcb exec $E2E_RUN_AS "$program") >program.log 2>&1 &
    pid=$!
    while kill -0 "$watcher" 2>/dev/null && kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
    if kill -0 "$pid" 2>/dev/null; then
      wait "$watcher" || true
      break
    fi
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    status=0
    wait "$pid" || status=$?
    if [ "$attempt" -lt 3 ] && grep -qE 'could not connect to display|no display server answers' program.log; then
      log "the program could not connect to the X server (attempt $attempt); starting it again"
      continue
    fi
    fail "the program ended at start-up with exit status $status"
  done
  window=$(head -n 1 window.id)
  [ -n "$window" ] || fail "no window of the program appeared within 20 s"
  [ "$(xdotool getwindowpid "$window")" = "$pid" ] || fail "the window found is not the program's"
  got=$(xdotool getwindowname "$window")
  [ "$got" = "$title" ] || fail "window title is '$got', not '$title'"
  log "window title: $got"

  # No window manager runs, so the client area is placed exactly where the program asks.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [ "$WIDTH"x"$HEIGHT" = ${client_w}x$client_h ] ||
    fail "client area is ${WIDTH}x$HEIGHT, not ${client_w}x$client_h"
  [ "$X,$Y" = "$window_x,$window_y" ] || fail "window is at $X,$Y, not $window_x,$window_y"
  log "window geometry: ${WIDTH}x$HEIGHT at $X,$Y"
  origin_x=$X origin_y=$Y

  # count_colour COLOUR X Y W H: pixels of exactly COLOUR in that rectangle of the window.
  count_colour() {
    import -silent -window root png:- |
      convert png:- -crop "$4x$5+$((origin_x + $2))+$((origin_y + $3))" +repage \
        -fill white +opaque "$1" -fill black -opaque "$1" -colorspace gray \
        -format '%[fx:round((1-mean)*w*h)]' info:
  }
  click() { # click X Y, client coordinates
    xdotool mousemove --sync $((origin_x + $1)) $((origin_y + $2)) click 1
    sleep 0.25
  }
  page_click() { click $((page_x + $1)) $((page_y + $2)); }
  visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }

  # Chapter 1: a colour that only its page brings into the view, in more than so many pixels.
  read -r mark_colour mark_pixels <<<"$E2E_CHAPTER_MARK"
  view=(7 56 729 329) # WebBrowser1 on the Study Guide page
  for _ in $(seq 50); do
    marked=$(count_colour "$mark_colour" $((page_x + view[0])) $((page_y + view[1])) "${view[2]}" "${view[3]}")
    [ "$marked" -gt "$mark_pixels" ] && break
    sleep 0.2
  done
  import -silent -window root -crop "${client_w}x$client_h+$origin_x+$origin_y" +repage window-start.png
  [ "$marked" -gt "$mark_pixels" ] ||
    fail "chapter 1 is not shown in the Study Guide view ($marked pixels of $mark_colour; screenshot window-start.png)"
  [ "$(visible_windows)" -eq 1 ] || fail "another window (an error box?) is open at start-up"
  log "chapter 1 shown ($marked pixels of $mark_colour)"
  # The right end of the tab row, where a fifth page's tab appears once a test is completed.
  tab_row() { import -silent -window root -crop "200x22+$((origin_x + 300))+$((origin_y + 4))" +repage "$1"; }
  tab_row tabs-before.png

  # The Test Yourself page: its maroon instruction band (Label18) tells it from the others.
  band=(58 25 639 14)
  on_test_page() {
    [ "$(count_colour '#800000' $((page_x + band[0])) $((page_y + band[1])) "${band[2]}" "${band[3]}")" -gt 2000 ]
  }
  # The tabs' widths follow the font; try along the tab row from the left until the page shows.
  found=
  for x in $(seq 10 20 400); do
    click "$x" "$tab_y"
    if on_test_page; then found=$x; break; fi
  done
  [ -n "$found" ] || fail "no tab along the tab row opens the Test Yourself page"
  log "Test Yourself tab at x=$found"

  # Ctrl+Shift+Tab as X sends it (Backtab with Ctrl and Shift) turns back a page, Ctrl+Tab on.
  xdotool key --clearmodifiers ctrl+shift+Tab && sleep 0.3
  ! on_test_page || fail "Ctrl+Shift+Tab did not leave the Test Yourself page"
  xdotool key --clearmodifiers ctrl+Tab && sleep 0.3
  on_test_page || fail "Ctrl+Tab did not come back to the Test Yourself page"
  log "Ctrl+Shift+Tab and Ctrl+Tab turn the pages"

  # screen_texts FILE: what the window shows, read from its accessibility tree.
  screen_texts() {
    "$E2E_ATSPI_PYTHON" "$source/tests/e2e/screen_texts.py" orvane >"$1" 2>>program.log ||
      fail "the window's accessibility tree cannot be read"
  }
  shows() { grep -qxF -- "$2" "$1" || fail "the window does not show '$2' (all it shows: $1)"; }
  nbsp=$'\xc2\xa0' # before French : and !
  page_click $((171 + 37)) $((44 + 10)) # Start the Test! (focus on it shows question 1)
  if [ -n "${E2E_ATSPI_PYTHON:-}" ]; then
    sleep 0.5
    screen_texts screen-question.txt
    shows screen-question.txt 'Soumettre'
    shows screen-question.txt '1 sur 5'
    asked=$(grep -m1 '^[0-9]*\. ' screen-question.txt) || fail "no question on screen (screen-question.txt)"
    grep -qxF -- "$asked" "$E2E_BANK" || fail "the question shown is not one of the French bank: $asked"
    log "question 1 shown in French: ${asked:0:70}"
  fi
  for question in 1 2 3 4 5; do
    page_click $((15 + 6)) $((160 + 8))    # RadioButton1, on its indicator
    page_click $((192 + 156)) $((326 + 11)) # Submit
  done
  for _ in $(seq 50); do
    [ -f "$E2E_REPORT" ] && break
    sleep 0.2
  done
  import -silent -window root -crop "${client_w}x$client_h+$origin_x+$origin_y" +repage window-end.png
  [ -f "$E2E_REPORT" ] || fail "no $E2E_REPORT after five answered questions (screenshot window-end.png)"
  [ "$(visible_windows)" -eq 1 ] || fail "another window (an error box?) is open after the test"
  kill -0 "$pid" 2>/dev/null || fail "the program ended during the test"
  log "result.html written"
  history_query() { python3 -c 'import sqlite3, sys; print(sqlite3.connect(sys.argv[1]).execute(sys.argv[2]).fetchone()[0])' "$E2E_HISTORY" "$1"; }
  if [ -n "${E2E_ATSPI_PYTHON:-}" ]; then
    # The summary, every word of it French, and the rate written as French writes it.
    screen_texts screen-summary.txt
    for text in "Guide d'étude" "Section d'exercices" Testez-vous 'À propos' "Mes progrès" \
      "Résultats$nbsp:" "Nb de questions$nbsp:" "Justes$nbsp:" "Fausses$nbsp:" "Réussite$nbsp:" \
      "Commencer$nbsp!"; do
      shows screen-summary.txt "$text"
    done
    for _ in $(seq 50); do # the history's writer
      right=$(history_query "select count(*) from answer where kind = 'test' and given = key" || true)
      [ "$(history_query "select count(*) from answer where kind = 'test'" || true)" = 5 ] && break
      sleep 0.1
    done
    shows screen-summary.txt "$((right * 20)) %"
    for english in 'Study Guide' 'Test Yourself' 'Test Results:' 'Correct:' 'Success Rate:' Submit; do
      ! grep -qF -- "$english" screen-summary.txt || fail "English on screen: $english"
    done
    log "the summary in French: $right of 5 right, $((right * 20)) %"
  fi

  # My Progress: its tab is there now, and a question missed in the test is drilled by keyboard.
  sleep 0.5
  tab_row tabs-after.png
  changed=$(compare -metric AE tabs-before.png tabs-after.png null: 2>&1 || true)
  [ "${changed%% *}" -gt 100 ] || fail "no My Progress tab after the completed test ($changed pixels changed)"
  log "My Progress tab shown"
  [ "$(history_query "select count(*) from answer where kind = 'test'")" -eq 5 ] ||
    fail "the history does not hold the test's five answers"
  missed=$(history_query "select count(*) from answer where kind = 'test' and given <> key")
  if [ "$missed" -eq 0 ]; then
    log "every answer was right: nothing to drill"
  else
    xdotool key ctrl+Tab ctrl+Tab "${E2E_DRILL_KEY:-alt+d}" # to My Progress, then its drill
    sleep 0.5
    feedback() { import -silent -window root -crop "446x30+$((origin_x + page_x + 146))+$((origin_y + page_y + 348))" +repage "$1"; }
    feedback feedback-before.png
    xdotool key b Return
    sleep 0.5
    feedback feedback-after.png
    import -silent -window root -crop "${client_w}x$client_h+$origin_x+$origin_y" +repage window-drill.png
    said=$(compare -metric AE feedback-before.png feedback-after.png null: 2>&1 || true)
    [ "${said%% *}" -gt 50 ] || fail "no feedback after a drill answer (screenshot window-drill.png)"
    [ "$(history_query "select count(*) from answer where kind = 'drill'")" -eq 1 ] ||
      fail "the drill answer is not in the history (screenshot window-drill.png)"
    [ "$(history_query "select count(*) from test")" -eq 1 ] || fail "the drill was recorded as a test"
    log "one of $missed missed question(s) drilled by keyboard, with feedback"
  fi

  # A mock exam by keyboard to its result, then a past test reviewed; result.html stays as it is.
  [ "$missed" -eq 0 ] && xdotool key ctrl+Tab ctrl+Tab
  report_before=$(md5sum <"$E2E_REPORT")
  xdotool key "${E2E_MOCK_KEY:-alt+m}"
  sleep 0.5
  for _ in $(seq 20); do xdotool key a Return; sleep 0.1; done
  sleep 0.5
  import -silent -window root -crop "${client_w}x$client_h+$origin_x+$origin_y" +repage window-mock.png
  [ "$(history_query "select count(*) from test where kind = 'mock' and answered = 20")" -eq 1 ] ||
    fail "the mock exam is not in the history (screenshot window-mock.png)"
  [ "$(md5sum <"$E2E_REPORT")" = "$report_before" ] || fail "the mock exam changed $E2E_REPORT"
  xdotool key Return "${E2E_PAST_KEY:-alt+p}" # back to My Progress, then the past tests
  sleep 0.5
  import -silent -window root -crop "${client_w}x$client_h+$origin_x+$origin_y" +repage window-review.png
  shown=$(compare -metric AE window-mock.png window-review.png null: 2>&1 || true)
  [ "${shown%% *}" -gt 1000 ] || fail "no review of the past tests (screenshot window-review.png)"
  log "a mock exam taken and a past test reviewed by keyboard; $E2E_REPORT unchanged"
  exit 0
fi

# ---------------------------------------------------------------------------------------------
# Outside: prepare the folder, run the above under xvfb-run, then check the report.
for tool in xvfb-run Xvfb xauth xdotool import convert iconv timeout; do
  if ! command -v "$tool" >/dev/null; then
    log "SKIP: $tool is not installed, so no virtual X server can be driven (bash tools/deps.sh test installs it)"
    exit 77
  fi
done
bank=$source/src/content/question_bank.txt
[ "$(wc -l <"$bank")" -eq 1260 ] || { log "FAIL: $bank does not have 1260 lines"; exit 1; }

umask 022
work=$(mktemp -d)
keep_on_failure() {
  local status=$?
  if [ "$status" -eq 0 ] || [ "$status" -eq 77 ]; then rm -rf "$work"; else log "files kept in $work"; fi
}
trap keep_on_failure EXIT
scratch=$work
export E2E_RUN_AS=
if [ -z "$installed" ]; then
  program=$(realpath "$program")
  mkdir "$work/study" "$work/answers"
  cat >"$work/study/1.html" <<'EOF'
<p>E2E chapter one</p>
<table bgcolor="#FF00FF" width="300" height="100"><tr><td>&nbsp;</td></tr></table>
EOF
  echo '<p>E2E answer one</p>' >"$work/answers/1.html"
  export E2E_START=$work E2E_REPORT=$work/result.html E2E_CHAPTER_MARK='#FF00FF 1000'
  export XDG_DATA_HOME=$work/data E2E_HISTORY=$work/data/orvane/history.sqlite
else
  # Another user must reach everything the program reads: the stage and the program's folder.
  chmod 755 "$work"
  if [ -n "$stage_build" ]; then
    "${CMAKE:-cmake}" --install "$stage_build" --prefix "$work/stage" >/dev/null
    program=$work/stage/${program#/}
  elif [[ $program != */* ]]; then
    program=$(command -v "$program") || { log "FAIL: $1 is not on PATH"; exit 1; }
  else
    program=$(realpath "$program")
  fi
  home=$work/home scratch=$work/scratch
  mkdir "$home" "$scratch"
  user_env=(env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_RUNTIME_DIR "HOME=$home")
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody:nogroup "$home"
    E2E_RUN_AS="setpriv --reuid=nobody --regid=nogroup --clear-groups ${user_env[*]}"
  else
    E2E_RUN_AS=${user_env[*]}
  fi
  # The guide's chapter headings, in the colour its style sheet gives them: the page and its
  # style sheet were both reached.
  export E2E_START=${start_in:-$home} E2E_REPORT=$home/.local/share/orvane/result.html
  export E2E_HISTORY=$home/.local/share/orvane/history.sqlite
  export E2E_CHAPTER_MARK='#800000 100'
fi
[ -x "$program" ] || { log "FAIL: $program is not a built program"; exit 1; }

# A display that names no server: a message and status 2, not an abort with a core file.
# shellcheck disable=SC2086 # E2E_RUN_AS is a command prefix, split on purpose
status=0
(cd "$scratch" && ulimit -c 0 && env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:9731 \
  $E2E_RUN_AS "$program" >"$work/nodisplay.log" 2>&1) || status=$?
[ "$status" -eq 2 ] && grep -q 'DISPLAY=:9731' "$work/nodisplay.log" ||
  { log "FAIL: with no server at DISPLAY=:9731 the exit status is $status:"; cat "$work/nodisplay.log"; exit 1; }
log "no display server: status 2 and a message"
log "program: $program${E2E_RUN_AS:+ (as ${E2E_RUN_AS%% *} ...)}, started in $E2E_START"

# run_window [COMMAND...]: the part above under xvfb-run, itself run by COMMAND if given.
run_window() {
  local status=0
  # Without a window manager or a session, the program of another user is let onto the
  # display by -ac (no access control) rather than by the display's cookie in a file of ours.
  (cd "$scratch" && timeout -k 5 100 "$@" xvfb-run -a -s "-screen 0 1280x1024x24 -ac" \
    bash "$script" "$program" "$source" --inside) || status=$?
  if [ ! -e "$scratch/.x-started" ]; then
    log "SKIP: no virtual X server could be started here (xvfb-run exit status $status)"
    exit 77
  fi
  [ "$status" -eq 124 ] && { log "FAIL: the window part took more than 100 s"; exit 1; }
  [ "$status" -eq 0 ] || exit "$status"
}

# check_report BANK HEADER_ALL_CORRECT HEADER_SOME_WRONG CORRECT_ANSWER YOUR_ANSWER: the report
# of the test is CR LF lines in Windows-1252, a header, then ten lines per wrong answer, each
# line as the bank and the report's words (in the program's language) make it.
check_report() (
bank=$1
report=$E2E_REPORT
fail() { log "FAIL: result.html: $*"; exit 1; }
if [ -n "$installed" ]; then
  [ ! -L "$report" ] || fail "is a symbolic link"
  stray=$(find "$work" -name result.html ! -path "$report")
  [ -z "$stray" ] || fail "also written as $stray"
fi
export LC_ALL=C
lines=$(wc -l <"$report")
[ "$(tail -c 2 "$report" | od -An -tx1 | tr -d ' \n')" = 0d0a ] || fail "does not end with CR LF"
[ "$(grep -c $'\r$' "$report")" -eq "$lines" ] || fail "has lines not ended by CR LF"
iconv -f WINDOWS-1252 -t UTF-8 "$report" | tr -d '\r' >"$work/report.txt" || fail "is not Windows-1252 text"
# What Qt writes for a character that Windows-1252 lacks.
! grep -q $'\x1a' "$report" || fail "holds a character that Windows-1252 lacks (written as 0x1A)"

header_markup='<font color="#FFFFFF" size="5"><span style="font-weight: 700; background-color: #FF5050">%s</span></font><br><br><br>'
# shellcheck disable=SC2059 # the markup is the format
all_correct=$(printf "$header_markup" "$2") some_wrong=$(printf "$header_markup" "$3")
header=$(head -n 1 "$work/report.txt")
if [ "$header" = "$all_correct" ]; then
  [ "$lines" -eq 1 ] || fail "the all-correct header is followed by $((lines - 1)) more lines"
  wrong=0
elif [ "$header" = "$some_wrong" ]; then
  [ "$lines" -gt 1 ] && [ $(((lines - 1) % 10)) -eq 0 ] || fail "has $lines lines, not 1 + 10 per wrong answer"
  wrong=$(((lines - 1) / 10))
  [ "$wrong" -le 5 ] || fail "lists $wrong wrong answers of a five-question test"
else
  fail "first line is not a report header: $header"
fi
log "report: $lines lines, $wrong wrong answer(s) of 5"

# Every wrong answer against its bank record (block r: lines 7r+1 question, 7r+2..7r+5 options,
# 7r+6 the correct option). Option A was always chosen, so each listed answer marks A as the
# user's and the bank's correct option as correct; no question is listed twice.
awk -v bank_lines=1260 -v correct_words="$4" -v chosen_words="$5" '
  BEGIN {
    correct_open = "<span style=\"background-color: #00ff00\">"
    correct_tail = "<b><font face=\"Verdana\" size=\"1\" color=\"#FFFFFF\"><span style=\"background-color: #008000\">&nbsp;- " correct_words "</span></font></b><br>"
    chosen_open = "<span style=\"background-color: #ff0000\">"
    chosen_tail = "<b><font face=\"Verdana\" size=\"1\" color=\"#FFFFFF\"><span style=\"background-color: #FF5050\">&nbsp;- " chosen_words "</span></font></b><br>"
  }
  FNR == NR { bank[FNR - 1] = $0; bank_read = FNR; next }
  FNR > 1 { report[FNR] = $0; last = FNR }
  function expected(r, k,    right, j, n) { # line k (0..9) of the block for record r
    right = bank[7 * r + 6] + 0
    if (k == 0) return bank[7 * r + 1] "<br>"
    if (k == 9) return "<br><hr><br>"
    n = 1
    for (j = 1; j <= 4; j++) {
      if (j == right || j == 1) {
        if (k == n) return (j == right ? correct_open : chosen_open)
        if (k == n + 1) return bank[7 * r + 1 + j] (j == right ? correct_tail : chosen_tail)
        if (k == n + 2) return "</span>"
        n += 3
      } else {
        if (k == n) return bank[7 * r + 1 + j] "<br>"
        n += 1
      }
    }
  }
  END {
    if (bank_read != bank_lines) { print "e2e: FAIL: the bank has " bank_read " lines"; exit 1 }
    for (b = 2; b <= last; b += 10) {
      q = report[b]
      if (q !~ /^[0-9]+\. .*<br>$/) { print "e2e: FAIL: line " b " is not a question line: " q; exit 1 }
      match_r = 0
      for (r = 1; r <= 179 && !match_r; r++) {
        if (bank[7 * r + 1] "<br>" != q) continue
        ok = 1
        for (k = 0; k <= 9 && ok; k++) ok = report[b + k] == expected(r, k)
        if (ok) match_r = r
      }
      if (!match_r) {
        print "e2e: FAIL: the answer listed from line " b " does not match its bank record:"
        for (k = 0; k <= 9; k++) print "  | " report[b + k]
        exit 1
      }
      if (seen[match_r]++) { print "e2e: FAIL: question " match_r " is listed twice"; exit 1 }
      if (bank[7 * match_r + 6] + 0 == 1) { print "e2e: FAIL: question " match_r " is listed but option A is its answer"; exit 1 }
    }
  }
' "$bank" "$work/report.txt" || exit 1
log "every listed answer matches the bank, byte for byte"
)

run_window
check_report "$bank" 'Congratulation, all of your answers were correct.' \
  'List of All Incorrect Answers' 'CORRECT ANSWER' 'YOUR ANSWER'
[ -n "$installed" ] && { log "PASS"; exit 0; }

# The French edition, in a folder of its own: the English pages and the French ones, whose
# chapter 1 has a colour of its own.
log "the same in French (LANGUAGE=fr)"
scratch=$work/fr
mkdir -p "$scratch/fr/study" "$scratch/fr/answers"
cp -r "$work/study" "$work/answers" "$scratch"
sed 's/#FF00FF/#00FFFF/; s/E2E chapter one/E2E chapitre un/' "$work/study/1.html" >"$scratch/fr/study/1.html"
echo '<p>E2E réponse un</p>' >"$scratch/fr/answers/1.html"
export LANGUAGE=fr E2E_TITLE='Orvane 1.3 (janv.-févr. 2003)' E2E_DRILL_KEY=alt+r
export E2E_MOCK_KEY=alt+b E2E_PAST_KEY=alt+t
export E2E_START=$scratch E2E_REPORT=$scratch/result.html E2E_CHAPTER_MARK='#00FFFF 1000'
export XDG_DATA_HOME=$scratch/data E2E_HISTORY=$scratch/data/orvane/history.sqlite
export E2E_BANK=$source/src/content/fr/question_bank.txt
# The words on screen are read from the accessibility tree, which needs a session bus.
session=()
for python in /usr/bin/python3 python3; do
  if command -v dbus-run-session >/dev/null && command -v dbus-send >/dev/null &&
    "$python" -c 'import pyatspi' 2>/dev/null; then
    export E2E_ATSPI_PYTHON=$python
    session=(dbus-run-session --)
    break
  fi
done
[ -n "${E2E_ATSPI_PYTHON:-}" ] ||
  log "SKIP of the words on screen: no dbus-run-session, dbus-send or python3-pyatspi to read them"
run_window "${session[@]}"
check_report "$E2E_BANK" 'Félicitations, toutes vos réponses étaient justes.' \
  'Liste de toutes les réponses fausses' 'BONNE RÉPONSE' 'VOTRE RÉPONSE'
log "PASS"
