#!/usr/bin/env bash
# What a blind user hears, in English and then in French: the real program read by Orca, the screen reader, in a session of
# its own (private session bus, virtual X display, window manager, speech to a silent
# speech-dispatcher voice). Each key goes in by xdotool; what Orca says after it is read from
# Orca's own log, its "SPEECH OUTPUT:" lines, and checked.
#   run_orca.sh PROGRAM SOURCE_DIR [TRANSCRIPT_FILE]
# Exits 77 (skipped) where Orca or the tools of the session are missing.
set -euo pipefail

if [ "${1:-}" != --in-session ]; then
  program=$(realpath "$1")
  source=$(realpath "$2")
  # The program must reach this test's X display, whatever platform the caller's shell names.
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  for tool in orca speech-dispatcher openbox dbus-run-session xvfb-run xdotool script; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
  done
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/home/.config/speech-dispatcher" "$work/run"
  chmod 700 "$work/run"
  cp -r "$source/guide" "$work/guide"
  # The dummy voice says nothing, and its sound goes to libao's null output: no sound card needed.
  printf 'AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n' \
    >"$work/home/.config/speech-dispatcher/speechd.conf"
  echo default_driver=null >"$work/home/.libao"
  # Orca runs once per user on the machine, whatever the session: runs of this test take turns,
  # and a screen reader the user is running is left alone (this test then fails, saying why).
  exec 9>"${TMPDIR:-/tmp}/orvane-orca-test.$(id -u).lock"
  flock -w 600 9
  # An earlier run killed outright (a test runner's time limit) can leave its Orca behind, which
  # would stop this one; it is known by the home folder it was given, now gone.
  for pid in $(pgrep -u "$(id -u)" -f "orca --debug-file=/dev/stdout" || true); do
    home=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | sed -n 's/^HOME=//p')
    case $home in "${TMPDIR:-/tmp}"/tmp.*/home) [ -d "$home" ] || kill "$pid" 2>/dev/null || true ;; esac
  done
  env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share" \
    XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run" \
    dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash "$0" --in-session "$program" "$work" "${3:-}"
  exit
fi

program=$2 work=$3 transcript=${4:-}
log=$work/orca.log
cd "$work/guide"
pids=()
trap 'for p in "${pids[@]}"; do kill -- "-$p" 2>/dev/null || true; done' EXIT
trap 'exit 1' TERM INT HUP
# Ends well within the test runner's limit, so that the trap, not a kill, ends what it started.
setsid bash -c "sleep 280; echo 'FAIL: the test took more than 280 s'; kill -TERM $$" &
pids+=($!)
setsid openbox >/dev/null 2>&1 &
pids+=($!)
# Orca writes its log line by line only to a terminal; script gives it one.
setsid script -qefc "orca --debug-file=/dev/stdout" /dev/null </dev/null >"$log" 2>&1 &
pids+=($!)

# What Orca hands the speech server, Say All included, one utterance a line.
spoken() {
  { grep -a "SPEECH DISPATCHER: Speaking" "$log" || true; } | tr -d '\r' |
    sed -n -e "s/^.* - SPEECH DISPATCHER: Speaking '<speak>\(.*\)<\/speak>' *$/\1/" \
      -e 's/<mark name="[^"]*"\/>//g; s/&lt;/</g; s/&gt;/>/g; s/&quot;/"/g; s/&apos;/'"'"'/g' \
      -e 's/&amp;/\&/g; p'
}
count() { spoken | wc -l; }

failures=0
said_any() { # said_any "A|B" SAID: whether SAID holds A or B
  local alternatives=() alternative
  IFS='|' read -ra alternatives <<<"$1"
  for alternative in "${alternatives[@]}"; do grep -qF -- "$alternative" <<<"$2" && return 0; done
  return 1
}
# heard FROM KEY TEXT...: waits until Orca has said every TEXT in its lines after line FROM,
# then until it falls silent, and checks it. A TEXT starting with "!" must not have been said;
# one holding "|" is said when any of its alternatives is.
heard() {
  local from=$1 key=$2 deadline=$((SECONDS + 20)) text said n last="" quiet=0 missing
  shift 2
  while [ "$SECONDS" -lt "$deadline" ]; do
    said=$(spoken | tail -n +"$((from + 1))")
    missing=0
    for text in "$@"; do
      [ "${text:0:1}" = "!" ] || said_any "$text" "$said" || missing=1
    done
    n=$(count)
    if [ "$n" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
    last=$n
    [ "$missing" = 0 ] && [ "$quiet" -ge 6 ] && break
    sleep 0.1
  done
  printf '%-14s -> %s\n' "$key" "$(paste -sd'|' <<<"$said" | cut -c1-300)" | tee -a "${transcript:-/dev/null}"
  for text in "$@"; do
    if [ "${text:0:1}" = "!" ]; then
      ! grep -qF -- "${text:1}" <<<"$said" || { echo "FAIL: after $key Orca said: ${text:1}"; failures=$((failures + 1)); }
    else
      said_any "$text" "$said" || { echo "FAIL: after $key Orca did not say: $text"; failures=$((failures + 1)); }
    fi
  done
}
# press KEY TEXT...: presses KEY and checks what Orca says after it, as heard does.
press() {
  local from
  from=$(count)
  xdotool key --clearmodifiers "$1"
  heard "$from" "$@"
}

heard 0 "(Orca)" "Screen reader on."
if grep -q "already running" "$log"; then
  echo "FAIL: another Orca runs for this user; stop it, or run this test as another user"
  exit 1
fi
# Xvfb can drop a client's connection when another one opens at the same moment (Orca's own
# start makes several); a program that ended for want of its display is started again.
for attempt in 1 2 3; do
  setsid "$program" >"$work/program.log" 2>&1 &
  pids+=($!)
  timeout 30 xdotool search --sync --name "Orvane 1.3" windowactivate --sync >/dev/null && break
  kill -0 "${pids[-1]}" 2>/dev/null && break
  echo "the program ended at start (attempt $attempt):"; tail -n 3 "$work/program.log"
done
heard 1 "(start)" "Orvane 1.3 (jan-feb.2003) frame" "Study Guide"

press Tab "Chapter 1: Message to Our Readers"
press Down "Welcome to the Orvane study guide."
press KP_Add "Good luck with your studies" # Say All, to the end of the chapter
press ctrl+Tab "Practice Section" "!layered pane"
press Tab "1. Who are the Aboriginal peoples of Canada?"
press Down "2. What are the three main groups of Aboriginal peoples?"
press Tab "Your answer"
press Tab "click here to get the correct answer"
press space "Answer to question 2:"
press ctrl+Tab "Test Yourself" "!layered pane"
press Tab "Number of questions"
press ctrl+a
press 3 "3"
press Tab "Start the Test!" "!Question 1"
press space "Question 1 of 3: " " D: "
press Return "Select one of the options. Then press this button"
press a "You chose A: "
press Return "Question 2 of 3: " " D: "
press ctrl+Tab "About page"
press ctrl+shift+Tab "Test Yourself page" "!layered pane"
press 2 "You chose B: "
press Return "Question 3 of 3: " " D: "
press d "You chose D: "
press Return "Test Results: Number of questions: 3, Correct: " ", Incorrect: " ", Success Rate: " \
  "!Question 4 of 3"
# The finished test brings My Progress, whose drill is heard as the test is.
press ctrl+Tab "About page"
press ctrl+Tab "My Progress page"
press alt+d "Question 1 of " " D: "
press b "You chose B: "
press Return "Correct|The answer is "

# The French edition (LANGUAGE=fr) in the same session: a question with its options, a choice,
# and the summary. It keeps the history of the English run, and so its My Progress page.
kill -- "-${pids[-1]}" 2>/dev/null || true
for _ in $(seq 50); do
  xdotool search --name "Orvane 1.3" >/dev/null 2>&1 || break
  sleep 0.1
done
from=$(count)
for attempt in 1 2 3; do
  LANGUAGE=fr setsid "$program" >"$work/program.log" 2>&1 &
  pids+=($!)
  timeout 30 xdotool search --sync --name "Orvane 1.3" windowactivate --sync >/dev/null && break
  kill -0 "${pids[-1]}" 2>/dev/null && break
  echo "the program ended at start (attempt $attempt):"; tail -n 3 "$work/program.log"
done
heard "$from" "(French)" "Orvane 1.3 (janv.-févr. 2003) frame" "Guide d'étude"
press ctrl+Tab "Section d'exercices" "!Practice"
press ctrl+Tab "Testez-vous" "!Test Yourself"
press Tab "Nb de questions : editable combo box" "De 1 à 178"
press ctrl+a
press 1 "1"
press Tab "Commencer !" "!Start"
press space "Question 1 sur 1 : " " D: " "!Question 1 of"
press a "Vous avez choisi A: " "!You chose"
press Return "Résultats : Nb de questions : 1, Justes : " ", Fausses : " \
  ", Réussite : " "!Test Results"
press ctrl+Tab "Page À propos"
press ctrl+Tab "Page Mes progrès" "!My Progress"

[ -z "$transcript" ] || cp "$log" "$transcript.orca.log"
echo "$failures failed"
[ "$failures" = 0 ] || { echo "The program said:"; tail -n 5 "$work/program.log"; exit 1; }
